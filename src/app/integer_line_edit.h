#pragma once

#include <QLineEdit>

namespace vantrel {

// An edit box for a chapter number. Typed characters other than the digits and "-" are
// dropped; pasted text is let in and tidied when the box loses the focus, where the text
// becomes the decimal value it starts with, clamped to 32 bits, and 0 becomes empty.
class IntegerLineEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit IntegerLineEdit(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void Normalise();
};

}  // namespace vantrel
