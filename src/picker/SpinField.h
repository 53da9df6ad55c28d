#pragma once

#include <QSpinBox>

namespace tintabel {

// A number field whose arrows stop at its limit but whose text takes any number typed, so that
// the page's change rule sees 300 and puts the limit back itself, as the user expects from these
// fields. Its change signal is the spin box's textChanged.
class SpinField : public QSpinBox {
public:
    SpinField(int limit, QWidget* parent);

    int limit() const { return m_limit; }
    // What the user sees, typed or written.
    QString fieldText() const;
    // The text as a number; a text that is no number reads as 0.
    int fieldValue() const;

protected:
    void stepBy(int steps) override;
    StepEnabled stepEnabled() const override;

private:
    int m_limit;
};

} // namespace tintabel
