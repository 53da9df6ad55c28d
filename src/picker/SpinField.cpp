#include "picker/SpinField.h"

#include <QLineEdit>

#include <algorithm>

namespace tintabel {

namespace {

// Three digits: every value up to the limit and any typed value beyond it.
constexpr int kTypedMaximum = 999;

} // namespace

SpinField::SpinField(int limit, QWidget* parent)
    : QSpinBox(parent)
    , m_limit(limit)
{
    setRange(0, kTypedMaximum);
    setValue(0);
}

QString SpinField::fieldText() const
{
    return lineEdit()->text();
}

int SpinField::fieldValue() const
{
    bool ok = false;
    const int value = fieldText().toInt(&ok);
    return ok ? value : 0;
}

void SpinField::stepBy(int steps)
{
    setValue(std::clamp(value() + steps, 0, m_limit));
}

QAbstractSpinBox::StepEnabled SpinField::stepEnabled() const
{
    StepEnabled enabled = StepNone;
    if (value() > 0)
        enabled |= StepDownEnabled;
    if (value() < m_limit)
        enabled |= StepUpEnabled;
    return enabled;
}

} // namespace tintabel
