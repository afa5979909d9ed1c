// The window while the real query and download run against the local book site: progress,
// stopping, one activity at a time, and the status line.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <filesystem>
#include <memory>
#include <set>

#include "app/main_window.h"
#include "app/widget_test_support.h"
#include "support/file_contents.h"
#include "support/fixture_site.h"
#include "support/temporary_folder.h"
#include "workflow/globals.h"

namespace vantrel::test {
namespace {

namespace fs = std::filesystem;

// What the progress dialog showed at one moment.
struct Snapshot {
    QString step;
    QString chapter;
    QString transfer;
    QString rate;
    int barValue = 0;
    int barMaximum = 0;
};

Snapshot TakeSnapshot(const ActivityProgressDialog& dialog) {
    const auto text = [&](const char* name) {
        return dialog.findChild<QLabel*>(QString::fromLatin1(name))->text();
    };
    const auto& bar = *dialog.findChild<QProgressBar*>(QStringLiteral("bar"));
    return {text("step"), text("chapter"), text("transfer"),
            text("rate"), bar.value(),     bar.maximum()};
}

// Looks at the progress dialog whenever the event loop turns during an activity, and hands
// each look to react, which may press the dialog's buttons.
class ProgressWatcher {
public:
    explicit ProgressWatcher(
        std::function<void(const Snapshot&, ActivityProgressDialog&)> react = {})
        : react_(std::move(react)) {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            ActivityProgressDialog* dialog = ShownProgressDialog();
            if (!dialog) return;
            snapshots_.push_back(TakeSnapshot(*dialog));
            if (react_) react_(snapshots_.back(), *dialog);
        });
        timer_.start();
    }

    const std::vector<Snapshot>& snapshots() const { return snapshots_; }

private:
    std::function<void(const Snapshot&, ActivityProgressDialog&)> react_;
    QTimer timer_;
    std::vector<Snapshot> snapshots_;
};

// Counts the events of one type that reach a widget while the counter lives.
class EventCounter : public QObject {
public:
    EventCounter(QWidget& widget, QEvent::Type type, int& count)
        : widget_(widget), type_(type), count_(count) {
        widget_.installEventFilter(this);
    }
    ~EventCounter() override { widget_.removeEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &widget_ && event->type() == type_) ++count_;
        return false;
    }

private:
    QWidget& widget_;
    QEvent::Type type_;
    int& count_;
};

std::set<std::string> FilesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename());
    return names;
}

class MainWindowActivityTest : public testing::Test {
protected:
    static void SetUpTestSuite() { EnsureApplication(); }
    void SetUp() override { InitGlobals(); }
    void TearDown() override {
        window_.reset();
        FreeGlobals();
    }

    FixtureSite& OpenWindow(FixtureBook book, MainWindowHandlers handlers = WorkflowHandlers()) {
        site_ = std::make_unique<FixtureSite>(std::move(book));
        window_ = std::make_unique<MainWindow>(Site{.webHost = Text(site_->webHost()),
                                                    .mediaHost = Text(site_->mediaHost()),
                                                    .downloadFolder = DownloadFolder()},
                                               std::move(handlers));
        window_->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
        return *site_;
    }

    fs::path DownloadFolder() const { return downloads_.path() / kDownloadFolderName; }

    template <class Control = QWidget>
    Control& Find(const char* name) {
        return *window_->findChild<Control*>(QString::fromUtf8(name));
    }

    // Each click runs its whole activity before it returns.
    void Query(const std::string& address) {
        auto& addressBox = Find<QLineEdit>("编辑框_地址");
        addressBox.clear();
        QTest::keyClicks(&addressBox, QString::fromStdString(address));
        QTest::mouseClick(&Find("按钮1"), Qt::LeftButton);
    }

    void Download(const char* first, const char* end) {
        Find<QLineEdit>("编辑框_起始章节").setText(first);
        Find<QLineEdit>("编辑框_结束章节").setText(end);
        QTest::mouseClick(&Find("按钮2"), Qt::LeftButton);
    }

    QString Status() { return Find<QLabel>("标签_状态").text(); }

    std::unique_ptr<FixtureSite> site_;
    TemporaryFolder downloads_;
    std::unique_ptr<MainWindow> window_;
};

TEST_F(MainWindowActivityTest, RepaintsAndShowsTheProgressOfASlowDownload) {
    FixtureSite& site = OpenWindow(SampleBook(1, 6.0));
    site.ThrottleMedia(64'000);  // 96 KB in 1.5 s
    Query(site.CatalogueUrl());

    int windowPaints = 0;
    QTimer repaintWindow;
    QObject::connect(&repaintWindow, &QTimer::timeout, [&] { window_->update(); });
    repaintWindow.start(10);
    EventCounter paints(*window_, QEvent::Paint, windowPaints);
    MessageBoxAnswerer answerer;
    ProgressWatcher watcher;
    Download("1", "2");

    EXPECT_GE(windowPaints, 5) << "the window was not repainted during the download";
    std::vector<Snapshot> media;
    for (const Snapshot& snapshot : watcher.snapshots()) {
        if (snapshot.step == "第 1 / 1 章 · 正在下载音频…") media.push_back(snapshot);
    }
    ASSERT_GE(media.size(), 5u);
    std::set<QString> transferTexts;
    for (std::size_t i = 0; i < media.size(); ++i) {
        SCOPED_TRACE(media[i].transfer.toStdString());
        EXPECT_EQ(media[i].chapter, QString("第 1 章「第1集」"));
        EXPECT_EQ(media[i].barMaximum, 1000);
        if (i > 0) {
            EXPECT_GE(media[i].barValue, media[i - 1].barValue);
        }
        transferTexts.insert(media[i].transfer);
    }
    EXPECT_GE(transferTexts.size(), 3u) << "the bytes received did not advance";
    EXPECT_LT(media.front().barValue, 500);
    EXPECT_GT(media.back().barValue, 500);
    EXPECT_TRUE(media.back().rate.contains("KB/s")) << media.back().rate.toStdString();
    EXPECT_TRUE(media.back().transfer.contains(" / ")) << "the size was announced";

    EXPECT_EQ(answerer.texts(), (std::vector<QString>{"假", "下载完成"}));
    EXPECT_EQ(ShownProgressDialog(), nullptr);
    EXPECT_EQ(Status(), QString("下载完成"));
    EXPECT_EQ(FileContents(DownloadFolder() / "第1集.mp3"), site.book().chapters[0].audio);
}

TEST_F(MainWindowActivityTest, CancelMidChapterKeepsTheSavedChaptersAndNothingPartial) {
    FixtureSite& site = OpenWindow(SampleBook(3, 3.0));
    site.ThrottleMedia(48'000);  // a second a chapter
    Query(site.CatalogueUrl());

    MessageBoxAnswerer answerer;
    ProgressWatcher watcher([](const Snapshot& snapshot, ActivityProgressDialog& dialog) {
        if (snapshot.step == "第 2 / 3 章 · 正在下载音频…" && snapshot.barValue > 0) {
            QTest::mouseClick(dialog.findChild<QPushButton*>("cancel"), Qt::LeftButton);
        }
    });
    Download("1", "4");

    EXPECT_EQ(answerer.texts(),
              (std::vector<QString>{"假", "下载已停止：成功 1 章，失败 0 章\n第 1 章「第1集」"}));
    EXPECT_EQ(Status(), QString("下载已停止：成功 1 章，失败 0 章"));
    EXPECT_EQ(FilesIn(DownloadFolder()), std::set<std::string>{"第1集.mp3"});
    EXPECT_EQ(FileContents(DownloadFolder() / "第1集.mp3"), site.book().chapters[0].audio);
    EXPECT_EQ(site.MediaRequests().size(), 2u) << "chapter 3 was fetched after the stop";
    EXPECT_EQ(ShownProgressDialog(), nullptr);
}

TEST_F(MainWindowActivityTest, StatusLineSaysHowTheQueryEnded) {
    FixtureSite& site = OpenWindow(SampleBook(3));
    const std::string web = "https://" + site.webHost();
    site.ServeWebPage("/yousheng/disp_404.htm", ErrorResponse(404, "Not Found"));
    site.ServeWebPage("/yousheng/disp_7.htm",
                      OkResponse("<html><body>maintenance</body></html>", "text/html"));
    const struct {
        std::string address;
        const char* status;
    } cases[] = {
        {site.CatalogueUrl(), "《三国演义》 分类：评书，共 3 章"},
        {web + "/yousheng/disp_404.htm", "查询失败：HTTP 404"},
        {web + "/yousheng/disp_7.htm", "页面中没有章节列表"},
        {"https://127.0.0.1:" + std::to_string(UnusedPort()) + "/yousheng/disp_1.htm",
         "查询失败："},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.address);
        Query(c.address);
        EXPECT_TRUE(Status().startsWith(c.status)) << Status().toStdString();
    }
    EXPECT_GT(Status().size(), QString("查询失败：").size()) << "the refusal is not explained";
}

TEST_F(MainWindowActivityTest, TheControlsTakeNoInputAndNoSecondActivityStarts) {
    const char* const inputs[] = {"编辑框_地址",         "按钮2",
                                  "编辑框_结束章节",     "编辑框_起始章节",
                                  "超级列表框_下载地址", "按钮1"};
    int queries = 0;
    int downloads = 0;
    std::vector<std::string> enabledDuringActivity;
    OpenWindow(SampleBook(1), {.query =
                                   [&](BookView& view, const Site&) {
                                       ++queries;
                                       ActivityProgress progress;
                                       while (view.ShowProgress(progress)) {
                                           ++progress.transfer.received;
                                           QThread::msleep(1);
                                       }
                                   },
                               .download = [&](BookView&, const Site&) { ++downloads; }});
    QTimer::singleShot(100, [&] {
        for (const char* input : inputs) {
            if (Find(input).isEnabled()) enabledDuringActivity.push_back(input);
        }
        QTest::mouseClick(&Find("按钮2"), Qt::LeftButton);
        // Clicks queued before the controls went off reach the handlers all the same.
        QMetaObject::invokeMethod(&Find("按钮1"), "clicked", Qt::QueuedConnection);
        QMetaObject::invokeMethod(&Find("按钮2"), "clicked", Qt::QueuedConnection);
    });
    QTimer::singleShot(200, [] { ShownProgressDialog()->reject(); });
    Find("按钮1").setFocus();
    QTest::mouseClick(&Find("按钮1"), Qt::LeftButton);

    EXPECT_EQ(enabledDuringActivity, std::vector<std::string>{});
    EXPECT_EQ(queries, 1);
    EXPECT_EQ(downloads, 0);
    // Once it is over, everything works again, and the focus is back where it was.
    for (const char* input : inputs) EXPECT_TRUE(Find(input).isEnabled()) << input;
    EXPECT_EQ(window_->focusWidget(), &Find("按钮1"));
    QTest::mouseClick(&Find("按钮2"), Qt::LeftButton);
    EXPECT_EQ(downloads, 1);
}

TEST_F(MainWindowActivityTest, FrequentReportsGiveTheEventLoopATurnOnlyNowAndThen) {
    int turns = 0;
    qint64 elapsedMs = 0;
    OpenWindow(SampleBook(1), {.query =
                                   [&](BookView& view, const Site&) {
                                       QTimer everyTurn;
                                       QObject::connect(&everyTurn, &QTimer::timeout,
                                                        [&] { ++turns; });
                                       everyTurn.start(0);
                                       QElapsedTimer clock;
                                       clock.start();
                                       ActivityProgress progress;
                                       for (int i = 0; i < 200'000; ++i) {
                                           ++progress.transfer.received;
                                           view.ShowProgress(progress);
                                       }
                                       elapsedMs = clock.elapsed();
                                   },
                               .download = {}});
    QTest::mouseClick(&Find("按钮1"), Qt::LeftButton);

    EXPECT_GE(turns, 1) << "the dialog never got a turn of the event loop";
    // About one turn per 40 ms, whatever the speed of this machine.
    EXPECT_LE(turns, elapsedMs / 30 + 3) << elapsedMs << " ms";
}

}  // namespace
}  // namespace vantrel::test
