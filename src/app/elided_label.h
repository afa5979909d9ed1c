#pragma once

#include <QLabel>

namespace vantrel {

// A one-line label that shortens a text too long for it with "…" instead of cutting it off
// or growing its window; text() keeps the whole.
class ElidedLabel : public QLabel {
    Q_OBJECT

public:
    explicit ElidedLabel(QWidget* parent = nullptr, Qt::TextElideMode mode = Qt::ElideRight);

    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Qt::TextElideMode mode_;
};

}  // namespace vantrel
