#include "app/activity_progress_dialog.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QVBoxLayout>

namespace vantrel {

namespace {

// Wide enough for a chapter name of some length; longer ones are shortened in the middle,
// where names differ least.
constexpr int kWidth = 400;
constexpr int kBarMaximum = 1000;

template <class Widget>
Widget* AddNamed(QLayout& layout, Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    layout.addWidget(widget);
    return widget;
}

}  // namespace

ActivityProgressDialog::ActivityProgressDialog(QWidget* parent)
    // A title and a close button, which stops the activity like Cancel; nothing to resize.
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      step_(new QLabel(this)),
      chapter_(new ElidedLabel(this, Qt::ElideMiddle)),
      bar_(new QProgressBar(this)),
      transfer_(new QLabel(this)),
      rate_(new QLabel(this)),
      cancel_(new QPushButton(QStringLiteral("取消"), this)) {
    auto* layout = new QVBoxLayout(this);
    AddNamed(*layout, step_, "step");
    AddNamed(*layout, chapter_, "chapter");
    AddNamed(*layout, bar_, "bar");
    AddNamed(*layout, transfer_, "transfer");
    AddNamed(*layout, rate_, "rate");
    auto* buttons = AddNamed(*layout, new QDialogButtonBox(this), "buttons");
    cancel_->setObjectName(QStringLiteral("cancel"));
    buttons->addButton(cancel_, QDialogButtonBox::RejectRole);
    connect(cancel_, &QPushButton::clicked, this, &ActivityProgressDialog::RequestStop);

    for (QLabel* line : {step_, transfer_, rate_}) {
        line->setTextFormat(Qt::PlainText);
        line->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    }
    bar_->setRange(0, kBarMaximum);
    // The dialog keeps its size while the texts change under it.
    setFixedWidth(kWidth);
    setFixedHeight(sizeHint().height());
}

void ActivityProgressDialog::Display(const ProgressLines& lines) {
    setWindowTitle(lines.title);
    step_->setText(lines.step);
    chapter_->setText(lines.chapter);
    transfer_->setText(lines.transfer);
    rate_->setText(lines.rate);
    if (lines.permille < 0) {
        bar_->setRange(0, 0);  // a busy bar while the size is unknown
    } else {
        bar_->setRange(0, kBarMaximum);
        bar_->setValue(lines.permille);
    }
}

void ActivityProgressDialog::ShowStopping() {
    cancel_->setEnabled(false);
    cancel_->setText(QStringLiteral("正在停止…"));
}

void ActivityProgressDialog::reject() { RequestStop(); }

void ActivityProgressDialog::closeEvent(QCloseEvent* event) {
    event->ignore();
    RequestStop();
}

void ActivityProgressDialog::RequestStop() {
    if (!cancel_->isEnabled()) return;
    ShowStopping();
    emit stopRequested();
}

}  // namespace vantrel
