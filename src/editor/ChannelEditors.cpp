#include "editor/ChannelEditors.h"

#include "colours/IntegerText.h"
#include "colours/SlotModel.h"
#include "editor/ColourSwatch.h"
#include "editor/EditorKeyFilter.h"
#include "editor/PreviewSamples.h"
#include "platform/GeneralErrorBox.h"

#include <QAbstractButton>
#include <QLineEdit>

#include <utility>

namespace tintabel {

namespace {

constexpr int kChannelMaximum = 255;

std::string textOf(const QLineEdit& editor)
{
    return editor.text().toStdString();
}

std::int32_t valueOf(const QLineEdit& editor)
{
    return integerFromText(textOf(editor));
}

} // namespace

ChannelEditors::ChannelEditors(QLineEdit& re, QLineEdit& ge, QLineEdit& be, QLineEdit& hex,
    QLineEdit& alp, ColourSwatch& clr, QAbstractButton& plt, SlotModel& slotModel,
    PreviewSamples& preview, std::function<void()> data, MessageBoxes& messages)
    : m_re(re)
    , m_ge(ge)
    , m_be(be)
    , m_hex(hex)
    , m_alp(alp)
    , m_clr(clr)
    , m_plt(plt)
    , m_slots(slotModel)
    , m_preview(preview)
    , m_data(std::move(data))
    , m_messages(messages)
    , m_keyFilter(std::make_unique<EditorKeyFilter>(re, ge, be, hex, alp))
{
    const auto follow = [this](QLineEdit& editor, void (ChannelEditors::*rule)()) {
        connect(&editor, &QLineEdit::textChanged, this, [this, rule] { onChange(rule); });
    };
    follow(m_re, &ChannelEditors::reChange);
    follow(m_ge, &ChannelEditors::geChange);
    follow(m_be, &ChannelEditors::beChange);
    follow(m_hex, &ChannelEditors::hexChange);
    follow(m_alp, &ChannelEditors::alpChange);
}

ChannelEditors::~ChannelEditors() = default;

void ChannelEditors::onChange(void (ChannelEditors::*rule)())
{
    if (m_writes == 0) {
        showErrors(m_messages, [this, rule] { (this->*rule)(); });
        return;
    }
    // Qt's frames lie between here and the write that ran the rule: the error waits there.
    try {
        (this->*rule)();
    } catch (...) {
        m_nestedFailure = std::current_exception();
    }
}

bool ChannelEditors::write(QLineEdit& editor, const QString& text)
{
    // Setting the same text again would only move the cursor to the end, under the user's typing.
    if (editor.text() == text)
        return false;
    ++m_writes;
    editor.setText(text);
    --m_writes;
    if (m_nestedFailure)
        std::rethrow_exception(std::exchange(m_nestedFailure, nullptr));
    return true;
}

void ChannelEditors::reChange()
{
    ChannelRule(m_re);
}

void ChannelEditors::geChange()
{
    ChannelRule(m_ge);
}

void ChannelEditors::beChange()
{
    ChannelRule(m_be);
}

void ChannelEditors::ChannelRule(QLineEdit& editor)
{
    // Each clamping write runs this rule again, nested, and then this run goes on with the new
    // text.
    if (editor.text().isEmpty())
        write(editor, QStringLiteral("0"));
    if (valueOf(editor) > kChannelMaximum)
        write(editor, QString::number(kChannelMaximum));

    const std::int32_t red = valueOf(m_re);
    const std::int32_t green = valueOf(m_ge);
    const std::int32_t blue = valueOf(m_be);
    write(m_hex, QString::fromStdString(RgbToHex(red, green, blue)));
    m_clr.setColour(makeColour(red, green, blue));
    m_slots.setColour(m_slots.selected(), m_clr.colour());
    alpChange();
}

void ChannelEditors::hexChange()
{
    const QString hex = m_hex.text();
    if (hex.size() != 6)
        return; // a code still being typed
    const ColourValue colour = HexToColour(hex.toStdString());
    write(m_re, QString::number(redOf(colour)));
    write(m_ge, QString::number(greenOf(colour)));
    write(m_be, QString::number(blueOf(colour)));
    m_clr.setColour(colour);
    m_data();
}

void ChannelEditors::alpChange()
{
    m_preview.clear(m_slots.selected());
    // An empty alpha means opaque, not invisible.
    if (m_alp.text().isEmpty())
        write(m_alp, QString::number(kChannelMaximum));
    if (valueOf(m_alp) > kChannelMaximum)
        write(m_alp, QString::number(kChannelMaximum));
    m_slots.setAlpha(m_slots.selected(), textOf(m_alp));
    m_preview.render(m_slots.selected(), valueOf(m_alp));
    m_data();
}

ColourValue ChannelEditors::colourOfTexts() const
{
    return makeColour(valueOf(m_re), valueOf(m_ge), valueOf(m_be));
}

void ChannelEditors::enable()
{
    for (QWidget* control :
        std::initializer_list<QWidget*> {&m_re, &m_ge, &m_be, &m_hex, &m_alp, &m_plt})
        control->setEnabled(true);
}

void ChannelEditors::reset()
{
    m_plt.setEnabled(false);
    m_re.setEnabled(false);
    m_be.setEnabled(false);
    m_alp.setEnabled(false);
    m_ge.setEnabled(false);
    m_hex.setEnabled(false);

    write(m_re, QStringLiteral("0"));
    write(m_ge, QStringLiteral("0"));
    write(m_be, QStringLiteral("0"));
    write(m_hex, QString());
    write(m_alp, QStringLiteral("255"));

    m_clr.setColour(0xFFFFFF);
}

} // namespace tintabel
