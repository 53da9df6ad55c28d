#include "picker/UAdobeFrame2.h"

#include "picker/FieldKeyFilter.h"
#include "picker/PictureDrawing.h"
#include "picker/SpinField.h"
#include "platform/GeneralErrorBox.h"

#include <QRadioButton>

#include <algorithm>
#include <vector>

namespace tintabel {

namespace {

constexpr QSize kPageSize(350, 363);
constexpr QSize kFieldPictureSize(304, 281);
constexpr QSize kPreviewPictureSize(46, 281);
constexpr int kPanelHeight = 82;
constexpr QSize kModeButtonSize(33, 17);
constexpr std::array<int, 2> kModeButtonLefts {8, 112};
constexpr std::array<int, 3> kModeButtonTops {8, 32, 56};
constexpr QSize kFieldSize(49, 22);
constexpr std::array<int, 2> kFieldLefts {48, 152};
constexpr std::array<int, 3> kFieldTops {6, 30, 54};
constexpr int kLast = AdobeField::kLast;

// The two triangles beside the strip, relative to (x1, the strip cursor's y): tips pointing at
// the strip, each pixel once so that inverting twice restores the picture.
const std::vector<PixelPoint>& stripCursorOutline()
{
    static const std::vector<PixelPoint> outline = [] {
        std::vector<PixelPoint> points;
        const auto add = [&points](PixelPoint point) {
            if (std::find(points.begin(), points.end(), point) == points.end())
                points.push_back(point);
        };
        constexpr int kHalfBase = 5;
        for (const auto& [tip, direction] : {std::pair {-3, -1}, std::pair {22, 1}}) {
            for (int k = 0; k <= kHalfBase; ++k) {
                add({tip + direction * k, -k});
                add({tip + direction * k, k});
            }
            for (int y = -kHalfBase; y <= kHalfBase; ++y)
                add({tip + direction * kHalfBase, y});
        }
        return points;
    }();
    return outline;
}

} // namespace

TFrameAdobe2::TFrameAdobe2(MessageBoxes& messages, QWidget* parent)
    : QWidget(parent)
    , ImgAdobe2(new PictureBox(messages, kFieldPictureSize, QImage::Format_RGB888, this))
    , ImgCoul(new PictureBox(messages, kPreviewPictureSize, QImage::Format_RGB888, this))
    , Panel1(new QWidget(this))
    , m_messages(messages)
    , m_field(kFieldPictureSize.width(), kFieldPictureSize.height(), kPreviewPictureSize.width())
{
    setFixedSize(kPageSize);
    m_couleur.SetRVB(0, 0, 0);
    ImgAdobe2->move(0, 0);
    ImgCoul->move(kFieldPictureSize.width(), 0);
    Panel1->setGeometry(0, kPageSize.height() - kPanelHeight, kPageSize.width(), kPanelHeight);
    const QRgb background = palette().color(QPalette::Button).rgb();
    ImgAdobe2->picture().fill(background);
    ImgCoul->picture().fill(background);

    m_modeButtons = {RBR = addModeButton("R :", 0, 0), RBV = addModeButton("V :", 0, 1),
        RBB = addModeButton("B :", 0, 2), RBT = addModeButton("T :", 1, 0),
        RBS = addModeButton("S :", 1, 1), RBL = addModeButton("L :", 1, 2)};
    RBR->setChecked(true);
    for (QRadioButton* button : {RBT, RBS, RBL})
        button->setEnabled(false);

    SpRAdobe = m_fields.red = addField(AdobeFields::kByteLimit, 0, 0);
    SpVAdobe = m_fields.green = addField(AdobeFields::kByteLimit, 0, 1);
    SpBAdobe = m_fields.blue = addField(AdobeFields::kByteLimit, 0, 2);
    SpTAdobe = m_fields.hue = addField(AdobeFields::kHueLimit, 1, 0);
    SpSAdobe = m_fields.saturation = addField(AdobeFields::kPercentLimit, 1, 1);
    SpLAdobe = m_fields.value = addField(AdobeFields::kPercentLimit, 1, 2);
    m_fields.onChanges(
        *this, messages, [this](SpinField& field) { SpRVBAdobeChange(field); },
        [this](SpinField& field) { SpTSLAdobeChange(field); });
    auto* keys = new FieldKeyFilter(
        messages, [this](const QKeyEvent& key) { return SpAdobe2KeyDown(key); },
        [this](const QKeyEvent& key) { return SpAdobeKeyPress(key); },
        [this](const QKeyEvent& key) { return SpAdobe2KeyUp(key); }, this);
    for (SpinField* field : {SpRAdobe, SpVAdobe, SpBAdobe, SpTAdobe, SpSAdobe, SpLAdobe})
        field->installEventFilter(keys);

    ImgAdobe2->onMouseDown([this](const PictureBox::Mouse& m) { ImgAdobe2MouseDown(m); });
    ImgAdobe2->onMouseMove([this](const PictureBox::Mouse& m) { ImgAdobe2MouseMove(m); });
    ImgAdobe2->onMouseUp([this](const PictureBox::Mouse& m) { ImgAdobe2MouseUp(m); });
}

QRadioButton* TFrameAdobe2::addModeButton(const char* caption, int column, int row)
{
    auto* button = new QRadioButton(QString::fromUtf8(caption), Panel1);
    button->setGeometry(
        QRect(QPoint(kModeButtonLefts[column], kModeButtonTops[row]), kModeButtonSize));
    connect(button, &QRadioButton::pressed, this, guarded(m_messages, [this] { RBMouseDown(); }));
    connect(button, &QRadioButton::clicked, this,
        guarded(m_messages, [this, button](bool) { RBRClick(*button); }));
    return button;
}

SpinField* TFrameAdobe2::addField(int limit, int column, int row)
{
    auto* field = new SpinField(limit, Panel1);
    field->setGeometry(QRect(QPoint(kFieldLefts[column], kFieldTops[row]), kFieldSize));
    return field;
}

void TFrameAdobe2::paintPage()
{
    const PixelPoint preview = m_field.previewOrigin();
    drawSunkenBevel(ImgAdobe2->picture(), QRect(m_field.x0(), m_field.y0(), kLast + 1, kLast + 1));
    drawSunkenBevel(ImgAdobe2->picture(),
        QRect(m_field.x1(), m_field.y0(), AdobeField::kStripWidth, kLast + 1));
    drawSunkenBevel(ImgCoul->picture(),
        QRect(preview.x, preview.y, AdobeField::kPreviewSize, AdobeField::kPreviewSize));
    m_fields.show(m_couleur);
    redraw();
    for (QRadioButton* button : {RBT, RBL, RBS})
        button->setEnabled(true);
}

void TFrameAdobe2::enterColour(const TCouleur& colour)
{
    eraseCursors();
    m_couleur.Assign(colour);
    m_fields.show(m_couleur);
    redraw();
}

void TFrameAdobe2::ImgAdobe2MouseDown(const PictureBox::Mouse& mouse)
{
    if (m_field.inField(mouse.x, mouse.y))
        m_target = DragTarget::Field;
    else if (m_field.inStrip(mouse.x, mouse.y))
        m_target = DragTarget::Strip;
    else
        m_target = DragTarget::None;
    pickAt(mouse.x, mouse.y);
}

void TFrameAdobe2::ImgAdobe2MouseMove(const PictureBox::Mouse& mouse)
{
    pickAt(mouse.x, mouse.y);
}

void TFrameAdobe2::ImgAdobe2MouseUp(const PictureBox::Mouse& mouse)
{
    pickAt(mouse.x, mouse.y);
    m_target = DragTarget::None;
}

void TFrameAdobe2::pickAt(int x, int y)
{
    if (m_target == DragTarget::None)
        return;
    eraseCursors();
    if (m_target == DragTarget::Field)
        AdobeField::fieldPick(m_mode, m_field.fieldPosition(x, y), m_couleur);
    else
        AdobeField::stripPick(m_mode, m_field.stripPosition(y), m_couleur);
    m_fields.show(m_couleur);
    redraw();
}

void TFrameAdobe2::SpRVBAdobeChange(SpinField& changed)
{
    if (!AdobeFields::takeChange(changed))
        return;
    eraseCursors();
    m_fields.takeRvb(m_couleur);
    redraw();
}

void TFrameAdobe2::SpTSLAdobeChange(SpinField& changed)
{
    if (!AdobeFields::takeChange(changed))
        return;
    eraseCursors();
    m_fields.takeTsv(m_couleur);
    redraw();
}

bool TFrameAdobe2::SpAdobe2KeyDown(const QKeyEvent& key) const
{
    return FieldKeyFilter::isKeypadMinus(key);
}

bool TFrameAdobe2::SpAdobe2KeyUp(const QKeyEvent& key) const
{
    return FieldKeyFilter::isKeypadMinus(key);
}

bool TFrameAdobe2::SpAdobeKeyPress(const QKeyEvent& key) const
{
    return FieldKeyFilter::typesSign(key);
}

void TFrameAdobe2::RBMouseDown()
{
    eraseCursors();
}

void TFrameAdobe2::RBRClick(QRadioButton& button)
{
    const auto found = std::find(m_modeButtons.begin(), m_modeButtons.end(), &button);
    if (found == m_modeButtons.end())
        return;
    m_mode = static_cast<AdobeMode>(found - m_modeButtons.begin());
    redraw();
}

// The cursors go first: the pictures under them are about to change.
void TFrameAdobe2::redraw()
{
    eraseCursors();
    drawStrip();
    drawField();
    drawCursors();
    drawPreview();
}

void TFrameAdobe2::drawStrip()
{
    QImage& picture = ImgAdobe2->picture();
    for (int py = 0; py <= kLast; ++py) {
        const QRgb colour = rgbOf(AdobeField::stripColour(m_mode, py, m_couleur));
        for (int x = 0; x < AdobeField::kStripWidth; ++x)
            picture.setPixel(m_field.x1() + x, m_field.y0() + py, colour);
    }
}

void TFrameAdobe2::drawField()
{
    QImage& picture = ImgAdobe2->picture();
    for (int py = 0; py <= kLast; ++py) {
        std::uint8_t* pixel = picture.scanLine(m_field.y0() + py) + 3 * m_field.x0();
        for (int px = 0; px <= kLast; ++px) {
            const RvbBytes rvb = AdobeField::fieldColour(m_mode, {px, py}, m_couleur);
            *pixel++ = rvb.red;
            *pixel++ = rvb.green;
            *pixel++ = rvb.blue;
        }
    }
}

void TFrameAdobe2::drawPreview()
{
    const PixelPoint origin = m_field.previewOrigin();
    const QRgb colour = rgbOf(m_couleur.RVB());
    drawRectangle(ImgCoul->picture(),
        QRect(origin.x, origin.y, AdobeField::kPreviewSize, AdobeField::kPreviewSize), colour,
        colour);
    ImgCoul->update();
}

void TFrameAdobe2::drawCursors()
{
    const PixelPoint position = AdobeField::fieldCursor(m_mode, m_couleur);
    m_circle = {m_field.x0() + position.x, m_field.y0() + position.y};
    m_stripY = m_field.y0() + AdobeField::stripCursor(m_mode, m_couleur);
    toggleCursors();
    m_cursorsShown = true;
}

void TFrameAdobe2::eraseCursors()
{
    if (!m_cursorsShown)
        return;
    toggleCursors();
    m_cursorsShown = false;
}

void TFrameAdobe2::toggleCursors()
{
    QImage& picture = ImgAdobe2->picture();
    invertPixels(picture, m_circle, WheelGeometry::markerOutline());
    invertPixels(picture, {m_field.x1(), m_stripY}, stripCursorOutline());
    ImgAdobe2->update();
}

} // namespace tintabel
