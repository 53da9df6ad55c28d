#include "picker/UAdobeFrame.h"

#include "picker/FieldKeyFilter.h"
#include "picker/PictureDrawing.h"
#include "picker/SpinField.h"
#include "platform/GeneralErrorBox.h"

#include <QLineEdit>
#include <QPainter>

namespace tintabel {

namespace {

constexpr QSize kPageSize(350, 363);
constexpr int kFieldLeft = 296;
constexpr QSize kFieldSize(49, 22);
constexpr int kBarRows = 7;
// Right and bottom edges excluded.
constexpr QRect kSwatch(QPoint(1, 333), QPoint(347, 360));
constexpr int kLetterBoxLeft = 4;
constexpr int kLetterBoxRight = 24;

struct Group {
    QRect area;
    const char* title;
};
constexpr std::array<Group, 3> kGroups {{
    {QRect(0, 0, 350, 38), "Niveaux de gris"},
    {QRect(0, 39, 350, 96), "RVB (Rouge, Vert, Bleu)"},
    {QRect(0, 135, 350, 96), "TSL (Teinte Saturation Luminosité)"},
}};
// Beside the bars, in the order of AdobeBars::kBars.
constexpr std::array<const char*, 7> kLetters {"G", "R", "V", "B", "T", "S", "L"};

} // namespace

TFrameAdobe::TFrameAdobe(MessageBoxes& messages, QWidget* parent)
    : QWidget(parent)
    , ImageFond(new PictureBox(messages, kPageSize, QImage::Format_RGB888, this))
    , m_messages(messages)
{
    setFixedSize(kPageSize);
    m_couleur.SetRVB(0, 0, 0);
    ImageFond->move(0, 0);
    ImageFond->picture().fill(buttonFace());

    SpGAdobe = addField(AdobeFields::kByteLimit, 9);
    SpRAdobe = m_fields.red = addField(AdobeFields::kByteLimit, 57);
    SpVAdobe = m_fields.green = addField(AdobeFields::kByteLimit, 81);
    SpBAdobe = m_fields.blue = addField(AdobeFields::kByteLimit, 105);
    SpTAdobe = m_fields.hue = addField(AdobeFields::kHueLimit, 153);
    SpSAdobe = m_fields.saturation = addField(AdobeFields::kPercentLimit, 177);
    SpLAdobe = m_fields.value = addField(AdobeFields::kPercentLimit, 201);
    Edit1 = new QLineEdit(this);
    Edit1->hide();

    connect(SpGAdobe, &QSpinBox::textChanged, this,
        guarded(m_messages, [this](const QString&) { SpGAdobeChange(); }));
    m_fields.onChanges(
        *this, messages, [this](SpinField& field) { SpRVBAdobeChange(field); },
        [this](SpinField& field) { SpTSLAdobeChange(field); });
    auto* keys = new FieldKeyFilter(
        messages, [this](const QKeyEvent& key) { return SpGAdobeKeyDown(key); },
        [this](const QKeyEvent& key) { return SpGAdobeKeyPress(key); },
        [this](const QKeyEvent& key) { return SpGAdobeKeyDown(key); }, this);
    for (SpinField* field : {SpGAdobe, SpRAdobe, SpVAdobe, SpBAdobe, SpTAdobe, SpSAdobe, SpLAdobe})
        field->installEventFilter(keys);

    ImageFond->onMouseDown([this](const PictureBox::Mouse& m) { ImageFondMouseDown(m); });
    ImageFond->onMouseMove([this](const PictureBox::Mouse& m) { ImageFondMouseMove(m); });
    ImageFond->onMouseUp([this](const PictureBox::Mouse& m) { ImageFondMouseUp(m); });
}

SpinField* TFrameAdobe::addField(int limit, int top)
{
    auto* field = new SpinField(limit, this);
    field->setGeometry(QRect(QPoint(kFieldLeft, top), kFieldSize));
    return field;
}

void TFrameAdobe::paintPage()
{
    drawDecorations();
    updateAllFields();
    redraw();
}

void TFrameAdobe::enterColour(const TCouleur& colour)
{
    eraseMarkers();
    m_couleur.Assign(colour);
    updateAllFields();
    redraw();
}

void TFrameAdobe::ImageFondMouseDown(const PictureBox::Mouse& mouse)
{
    m_activeBar = AdobeBars::barAt(mouse.x, mouse.y);
    applyX(mouse.x);
}

void TFrameAdobe::ImageFondMouseMove(const PictureBox::Mouse& mouse)
{
    applyX(mouse.x);
}

void TFrameAdobe::ImageFondMouseUp(const PictureBox::Mouse& mouse)
{
    if (mouse.button == Qt::LeftButton)
        applyX(mouse.x);
    m_activeBar = AdobeBar::None;
}

void TFrameAdobe::applyX(int x)
{
    if (m_activeBar == AdobeBar::None)
        return;
    eraseMarkers();
    AdobeBars::pick(m_activeBar, AdobeBars::positionAt(x), m_couleur, m_rememberedGrey);
    updateAllFields();
    redraw();
}

void TFrameAdobe::SpGAdobeChange()
{
    if (!beginFieldChange(*SpGAdobe))
        return;
    const auto grey = static_cast<std::uint8_t>(SpGAdobe->fieldValue());
    m_couleur.SetRVB(grey, grey, grey);
    m_rememberedGrey = grey;
    m_fields.show(m_couleur);
    redraw();
}

void TFrameAdobe::SpRVBAdobeChange(SpinField& changed)
{
    if (!beginFieldChange(changed))
        return;
    m_fields.takeRvb(m_couleur);
    redraw();
}

void TFrameAdobe::SpTSLAdobeChange(SpinField& changed)
{
    if (!beginFieldChange(changed))
        return;
    m_fields.takeTsv(m_couleur);
    redraw();
}

bool TFrameAdobe::beginFieldChange(SpinField& changed)
{
    if (!AdobeFields::takeChange(changed))
        return false;
    eraseMarkers();
    return true;
}

bool TFrameAdobe::SpGAdobeKeyDown(const QKeyEvent& key) const
{
    return FieldKeyFilter::isKeypadMinus(key);
}

bool TFrameAdobe::SpGAdobeKeyPress(const QKeyEvent& key) const
{
    return FieldKeyFilter::typesSign(key);
}

// A page colour that is grey moves the grey marker; any other leaves it where the last grey was.
void TFrameAdobe::updateAllFields()
{
    const RvbBytes rvb = m_couleur.RVB();
    if (rvb.red == rvb.green && rvb.green == rvb.blue)
        m_rememberedGrey = rvb.red;
    AdobeFields::writeQuietly(*SpGAdobe, m_rememberedGrey);
    m_fields.show(m_couleur);
}

void TFrameAdobe::drawDecorations()
{
    QImage& picture = ImageFond->picture();
    const QRgb text = palette().color(QPalette::WindowText).rgb();
    for (const Group& group : kGroups)
        drawGroupFrame(
            picture, group.area, QString::fromUtf8(group.title), font(), buttonFace(), text);
    QPainter painter(&picture);
    painter.setFont(font());
    painter.setPen(QColor(text));
    const int letterHeight = painter.fontMetrics().height();
    for (std::size_t i = 0; i < AdobeBars::kBars.size(); ++i) {
        const BarRect bar = AdobeBars::rect(AdobeBars::kBars[i]);
        const int middle = bar.top + kBarRows / 2;
        const QRect box(QPoint(kLetterBoxLeft, middle - letterHeight / 2),
            QPoint(kLetterBoxRight - 1, middle + letterHeight / 2));
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, QString::fromUtf8(kLetters[i]));
    }
    painter.end();
    drawSunkenBevel(picture, kSwatch);
}

void TFrameAdobe::drawBars()
{
    QImage& picture = ImageFond->picture();
    for (const AdobeBar bar : AdobeBars::kBars) {
        const BarRect area = AdobeBars::rect(bar);
        for (int i = 0; i < AdobeBars::kSteps; ++i) {
            const QRgb colour = rgbOf(AdobeBars::pixelColour(bar, i, m_couleur));
            for (int y = area.top; y < area.bottom; ++y)
                picture.setPixel(area.left + i, y, colour);
        }
    }
}

void TFrameAdobe::drawMarkers(QRgb colour)
{
    QImage& picture = ImageFond->picture();
    for (const AdobeBar bar : AdobeBars::kBars) {
        const BarRect area = AdobeBars::rect(bar);
        const int x
            = AdobeBars::kLeft + AdobeBars::markerPosition(bar, m_couleur, m_rememberedGrey);
        for (int k = 0; k < AdobeBars::kMarkerRows; ++k) {
            picture.setPixel(x - k, area.bottom + 1 + k, colour);
            picture.setPixel(x + k, area.bottom + 1 + k, colour);
        }
    }
}

void TFrameAdobe::eraseMarkers()
{
    drawMarkers(buttonFace());
    ImageFond->update();
}

void TFrameAdobe::redraw()
{
    drawBars();
    drawMarkers(qRgb(0, 0, 0));
    drawRectangle(ImageFond->picture(), kSwatch, rgbOf(m_couleur.RVB()), rgbOf(m_couleur.RVB()));
    ImageFond->update();
}

QRgb TFrameAdobe::buttonFace() const
{
    return palette().color(QPalette::Button).rgb();
}

} // namespace tintabel
