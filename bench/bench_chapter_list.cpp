// Listing a long book in the main window as the query does: the rows of the book before
// go, the new ones go in through the view the workflows see, in one batch, and the list
// then lays out and paints what it shows. Goal: under 50 ms for 10,000 chapters.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "text/code_page.h"
#include "text/text_number.h"

namespace {

using vantrel::BookView;
using vantrel::Text;

constexpr int kChapters = 10'000;

struct Row {
    Text number;
    Text name;
};

std::vector<Row> ChapterRows() {
    std::vector<Row> rows;
    rows.reserve(kChapters);
    for (int k = 1; k <= kChapters; ++k) {
        rows.push_back({vantrel::IntToText(k),
                        vantrel::Utf8ToText("第" + std::to_string(k) + "集 长篇评书三国演义")});
    }
    return rows;
}

void FillList(BookView& view, const std::vector<Row>& rows) {
    view.BeginListFill();
    for (const Row& row : rows) {
        const int index = view.AppendListRow();
        view.SetListCellText(index, 0, row.number);
        view.SetListCellText(index, 1, row.name);
    }
    view.EndListFill();
}

void BM_FillChapterList(benchmark::State& state) {
    // The window hands its view to the handler of 查询; one click catches it.
    BookView* view = nullptr;
    vantrel::MainWindow window(
        vantrel::Site{.webHost = Text("127.0.0.1:9"),
                      .mediaHost = Text("127.0.0.1:9"),
                      .downloadFolder = "/nonexistent"},
        vantrel::MainWindowHandlers{
            .query = [&view](BookView& shown, const vantrel::Site&) { view = &shown; },
            .download = {}});
    window.show();
    QApplication::processEvents();
    window.findChild<QPushButton*>(QStringLiteral("按钮1"))->click();
    const std::vector<Row> rows = ChapterRows();

    for (auto _ : state) {
        view->ClearList();
        FillList(*view, rows);
        QApplication::processEvents();  // layout and paint of the rows in sight
    }
    state.counters["rows"] = view->ListRowCount();
}
BENCHMARK(BM_FillChapterList)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
