#include "picker/UPSPFrame.h"

#include "picker/FieldKeyFilter.h"
#include "picker/SpinField.h"
#include "platform/GeneralErrorBox.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

#include <algorithm>

namespace tintabel {

namespace {

constexpr QSize kPageSize(350, 363);
constexpr QSize kWheelSize(350, 216);
constexpr QRect kPreviewArea(257, 216, 93, 147);
constexpr QRect kGroupArea(0, 216, 257, 147);
// Right and bottom edges excluded, as the boxes are outlined.
constexpr QRect kNewBox(QPoint(21, 20), QPoint(68, 69));
constexpr QRect kOldBox(QPoint(21, 95), QPoint(68, 144));
constexpr int kNewCaptionTop = 5;
constexpr int kOldCaptionTop = 80;
constexpr int kFieldLimit = 255;

std::uint8_t byteField(const SpinField& field)
{
    return static_cast<std::uint8_t>(std::clamp(field.fieldValue(), 0, kFieldLimit));
}

// Switches a change rule off while fields are written from code, and back on after.
class RuleOff {
public:
    explicit RuleOff(bool& rule)
        : m_rule(rule)
        , m_was(rule)
    {
        rule = false;
    }
    ~RuleOff() { m_rule = m_was; }
    RuleOff(const RuleOff&) = delete;
    RuleOff& operator=(const RuleOff&) = delete;

private:
    bool& m_rule;
    bool m_was;
};

} // namespace

TFramePSP::TFramePSP(MessageBoxes& messages, QWidget* parent)
    : QWidget(parent)
    , CerclePSP(new PictureBox(messages, kWheelSize, QImage::Format_RGB32, this))
    , ImgCoulPSP(new PictureBox(messages, kPreviewArea.size(), QImage::Format_RGB888, this))
    , GroupBox1(new QGroupBox(QStringLiteral("Coulour:"), this))
    , m_messages(messages)
    , m_geometry(kWheelSize.width())
    , m_wheel(CerclePSP->picture(), m_geometry)
{
    setFixedSize(kPageSize);
    m_current.SetRVB(0, 0, 0);
    CerclePSP->move(0, 0);
    ImgCoulPSP->move(kPreviewArea.topLeft());
    GroupBox1->setGeometry(kGroupArea);

    m_keys = new FieldKeyFilter(
        messages, [this](const QKeyEvent& key) { return SPTSLPSPKeyDown(key); },
        [this](const QKeyEvent& key) { return SPTSLPSPKeyPress(key); },
        [this](const QKeyEvent& key) { return SPTSLPSPKeyDown(key); }, this);
    SPRPSP = addField("Red :", 0, 0, true);
    SPVPSP = addField("Green :", 0, 1, true);
    SPBPSP = addField("Blue :", 0, 2, true);
    SPTPSP = addField("Teinte :", 1, 0, false);
    SPSPSP = addField("Satur. :", 1, 1, false);
    SPLPSP = addField("Lumin. :", 1, 2, false);
    for (SpinField* field : {SPRPSP, SPVPSP, SPBPSP})
        connect(field, &QSpinBox::textChanged, this,
            guarded(m_messages, [this, field](const QString&) { SPRVBPSPChange(*field); }));
    for (SpinField* field : {SPTPSP, SPSPSP, SPLPSP})
        connect(field, &QSpinBox::textChanged, this,
            guarded(m_messages, [this, field](const QString&) { SPTSLPSPChange(*field); }));

    const auto addText = [this](const char* caption, const char* start, int column) {
        auto* label = new QLabel(QString::fromUtf8(caption), GroupBox1);
        label->setGeometry(12 + 120 * column, 112, 50, 22);
        label->hide();
        auto* edit = new QLineEdit(QString::fromUtf8(start), GroupBox1);
        edit->setGeometry(64 + 120 * column, 112, 65, 22);
        edit->setReadOnly(true);
        edit->hide();
        return edit;
    };
    EHexaPSP = addText("Hexa :", "$000000", 0);
    EHTMLPSP = addText("HTML :", "#000000", 1);

    CerclePSP->onMouseDown([this](const PictureBox::Mouse& m) { CerclePSPMouseDown(m); });
    CerclePSP->onMouseMove([this](const PictureBox::Mouse& m) { CerclePSPMouseMove(m); });
    CerclePSP->onMouseUp([this](const PictureBox::Mouse& m) { CerclePSPMouseUp(m); });
    ImgCoulPSP->onMouseDown([this](const PictureBox::Mouse& m) { ImgCoulPSPMouseDown(m); });

    CerclePSP->useDeviceResolution();
    CerclePSP->picture().fill(palette().color(QPalette::Button));
    paintPreview();
}

SpinField* TFramePSP::addField(const char* caption, int column, int row, bool visible)
{
    const int top = 22 + 30 * row;
    auto* label = new QLabel(QString::fromUtf8(caption), GroupBox1);
    label->setGeometry(12 + 120 * column, top, 50, 22);
    auto* field = new SpinField(kFieldLimit, GroupBox1);
    field->setGeometry(64 + 120 * column, top, 57, 22);
    field->installEventFilter(m_keys);
    label->setVisible(visible);
    field->setVisible(visible);
    return field;
}

void TFramePSP::paintPage()
{
    m_wheel.paintWheel(palette().color(QPalette::Button).rgb(), m_current.TSL().hue);
    drawMarkers();
}

void TFramePSP::enterColour(const TCouleur& colour)
{
    removeMarkers();
    m_current.Assign(colour);
    refreshFields();
    repaintAll();
}

void TFramePSP::setOldColour(std::uint32_t colour)
{
    m_oldColour = colour;
    paintPreviewBoxes();
}

void TFramePSP::CerclePSPMouseDown(const PictureBox::Mouse& mouse)
{
    if (m_geometry.inSquareHit(mouse.x, mouse.y))
        m_pickMode = PickMode::Square;
    else if (m_geometry.inRingHit(mouse.x, mouse.y))
        m_pickMode = PickMode::Ring;
    else
        m_pickMode = PickMode::None;
    if (mouse.button != Qt::LeftButton)
        return;
    pick(mouse.x, mouse.y);
}

void TFramePSP::CerclePSPMouseMove(const PictureBox::Mouse& mouse)
{
    if (mouse.buttons.testFlag(Qt::LeftButton))
        pick(mouse.x, mouse.y);
}

void TFramePSP::CerclePSPMouseUp(const PictureBox::Mouse& mouse)
{
    if (mouse.button == Qt::LeftButton)
        pick(mouse.x, mouse.y);
    m_pickMode = PickMode::None;
}

void TFramePSP::ImgCoulPSPMouseDown(const PictureBox::Mouse& mouse)
{
    if (!kOldBox.contains(mouse.x, mouse.y))
        return;
    removeMarkers();
    m_current.SetColor(m_oldColour);
    refreshFields();
    repaintAll();
}

void TFramePSP::SPRVBPSPChange(SpinField& changed)
{
    if (!beginFieldChange(changed, m_rvbRuleOn))
        return;
    m_current.SetRVB(byteField(*SPRPSP), byteField(*SPVPSP), byteField(*SPBPSP));
    writeTslFields();
    writeTextFields();
    repaintAll();
}

void TFramePSP::SPTSLPSPChange(SpinField& changed)
{
    if (!beginFieldChange(changed, m_tslRuleOn))
        return;
    m_current.SetTSLPSP(byteField(*SPTPSP), byteField(*SPSPSP), byteField(*SPLPSP));
    writeRvbFields();
    writeTextFields();
    repaintAll();
}

// A field being typed into may be empty for a moment; that changes nothing yet.
bool TFramePSP::beginFieldChange(SpinField& changed, bool ruleOn)
{
    if (!ruleOn || changed.fieldText().isEmpty())
        return false;
    removeMarkers();
    if (changed.fieldValue() > kFieldLimit) {
        const RuleOff rvbOff(m_rvbRuleOn);
        const RuleOff tslOff(m_tslRuleOn);
        changed.setValue(kFieldLimit);
    }
    return true;
}

bool TFramePSP::SPTSLPSPKeyPress(const QKeyEvent& key) const
{
    return FieldKeyFilter::typesSign(key);
}

bool TFramePSP::SPTSLPSPKeyDown(const QKeyEvent& key) const
{
    return FieldKeyFilter::isKeypadMinus(key);
}

void TFramePSP::pick(int x, int y)
{
    if (m_pickMode == PickMode::Ring)
        ringPick(x, y);
    else if (m_pickMode == PickMode::Square)
        squarePick(x, y);
}

void TFramePSP::ringPick(int x, int y)
{
    const std::uint8_t hue = m_geometry.ringPickHue(x, y);
    const TslBytes current = m_current.TSLPSP();
    if (hue == current.hue)
        return;
    removeMarkers();
    m_current.SetTSLPSP(hue, current.saturation, current.lightness);
    refreshFields();
    m_wheel.paintSquare(m_current.TSL().hue);
    drawMarkers();
    paintPreviewBoxes();
}

void TFramePSP::squarePick(int x, int y)
{
    const WheelGeometry::SquarePick picked = m_geometry.squarePick(x, y);
    removeMarkers();
    m_current.SetTSLPSP(m_current.TSLPSP().hue, picked.saturation, picked.lightness);
    refreshFields();
    paintPreviewBoxes();
    drawMarkers();
}

// Each field's own rule is off while it is written, so no rule runs during a refresh.
void TFramePSP::refreshFields()
{
    writeRvbFields();
    writeTslFields();
    writeTextFields();
}

void TFramePSP::writeTextFields()
{
    EHexaPSP->setText(QStringLiteral("$%1")
                          .arg(static_cast<qulonglong>(m_current.Color()), 6, 16, QLatin1Char('0'))
                          .toUpper());
    EHTMLPSP->setText(QStringLiteral("#") + QString::fromStdString(m_current.Hexa()));
}

void TFramePSP::writeTslFields()
{
    const RuleOff off(m_tslRuleOn);
    const TslBytes tsl = m_current.TSLPSP();
    SPTPSP->setValue(tsl.hue);
    SPSPSP->setValue(tsl.saturation);
    SPLPSP->setValue(tsl.lightness);
}

void TFramePSP::writeRvbFields()
{
    const RuleOff off(m_rvbRuleOn);
    const RvbBytes rvb = m_current.RVB();
    SPRPSP->setValue(rvb.red);
    SPVPSP->setValue(rvb.green);
    SPBPSP->setValue(rvb.blue);
}

void TFramePSP::paintPreview()
{
    QImage& preview = ImgCoulPSP->picture();
    preview.fill(palette().color(QPalette::Button));
    {
        QPainter painter(&preview);
        painter.setFont(font());
        painter.setPen(palette().color(QPalette::WindowText));
        const int width = preview.width();
        const int height = painter.fontMetrics().height();
        painter.drawText(QRect(0, kNewCaptionTop, width, height), Qt::AlignHCenter | Qt::AlignTop,
            QStringLiteral("New"));
        painter.drawText(QRect(0, kOldCaptionTop, width, height), Qt::AlignHCenter | Qt::AlignTop,
            QStringLiteral("Old"));
    }
    paintPreviewBoxes();
}

void TFramePSP::paintPreviewBoxes()
{
    QImage& preview = ImgCoulPSP->picture();
    const auto fillBox = [&preview](QRect box, std::uint32_t colour) {
        const RvbBytes rvb = channelsOf(colour);
        QPainter painter(&preview);
        painter.fillRect(box, Qt::black);
        painter.fillRect(box.adjusted(1, 1, -1, -1), QColor(rvb.red, rvb.green, rvb.blue));
    };
    fillBox(kNewBox, m_current.Color());
    fillBox(kOldBox, m_oldColour);
    ImgCoulPSP->update();
}

void TFramePSP::repaintAll()
{
    m_wheel.paintSquare(m_current.TSL().hue);
    drawMarkers();
    paintPreviewBoxes();
}

void TFramePSP::drawMarkers()
{
    m_wheel.drawMarkers(m_current.TSL());
    CerclePSP->update();
}

void TFramePSP::removeMarkers()
{
    m_wheel.removeMarkers();
    CerclePSP->update();
}

} // namespace tintabel
