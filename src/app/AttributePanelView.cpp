#include "app/AttributePanelView.h"

#include "app/ImagePixels.h"
#include "app/InterfaceFont.h"
#include "editor/SampleCompositor.h"
#include "readability/AttributePanel.h"

#include <QPainter>

#include <algorithm>
#include <cstdint>

namespace tintabel {

namespace {

// The slots the panel paints besides the four levels.
constexpr std::size_t kSpecialAttribute = 4;
constexpr std::size_t kAttributeLabel = 5;
constexpr std::size_t kSpecialAttributeLabel = 6;
constexpr std::size_t kProfileExtraText = 7;

constexpr int kMargin = 8;
constexpr int kColumnWidth = 176;
constexpr int kPadding = 6;
constexpr int kHeadingHeight = 20;
constexpr int kRowHeight = 15;
constexpr int kValueWidth = 24;
constexpr int kExtraHeight = 18;
constexpr int kFontPixels = 11;

constexpr std::size_t longestColumn()
{
    std::size_t rows = 0;
    for (const auto column : kAttributeColumns)
        rows = std::max(rows, column.size());
    return rows;
}

constexpr int kRowsTop = kMargin + kHeadingHeight;
constexpr int kExtraTop = kRowsTop + static_cast<int>(longestColumn()) * kRowHeight + 4;
constexpr QSize kPanelSize(2 * kMargin + 3 * kColumnWidth, kExtraTop + kExtraHeight + kMargin);

int columnLeft(std::size_t column)
{
    return kMargin + static_cast<int>(column) * kColumnWidth;
}

// How much of each pixel of a box the glyphs of the text cover, in the alpha of each pixel.
QImage coverOf(QSize box, int flags, const QString& text, const QFont& font)
{
    QImage cover(box, QImage::Format_ARGB32_Premultiplied);
    cover.fill(Qt::transparent);
    QPainter painter(&cover);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(cover.rect(), flags, text);
    return cover;
}

// Lays a text over the canvas as a sample of the slot's colour and alpha is laid, the alpha
// scaled by how much of each pixel the glyphs cover.
void inkText(QImage& canvas, QRect box, const QImage& cover, const SlotReading& ink)
{
    const unsigned alpha = alphaByte(ink.alpha);
    for (int y = 0; y < cover.height(); ++y) {
        const auto* covered = reinterpret_cast<const QRgb*>(cover.constScanLine(y));
        auto* onto = reinterpret_cast<std::uint32_t*>(canvas.scanLine(box.top() + y)) + box.left();
        for (int x = 0; x < cover.width(); ++x) {
            const auto coverage = static_cast<unsigned>(qAlpha(covered[x]));
            if (coverage != 0)
                onto[x]
                    = compositePixel(colourPixel(ink.colour,
                                         static_cast<std::uint8_t>((coverage * alpha + 127) / 255)),
                        onto[x]);
        }
    }
}

} // namespace

AttributePanelView::AttributePanelView(QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(kPanelSize);
    QFont panelFont = interfaceFont();
    panelFont.setPixelSize(kFontPixels);
    setFont(panelFont);
    layOut();
}

void AttributePanelView::setReadings(const std::array<SlotReading, kSlotCount>& readings)
{
    m_readings = readings;
    changed();
}

void AttributePanelView::setBackground(const QImage& picture, ColourValue groupFace)
{
    m_background = picture;
    m_face = groupFace;
    changed();
}

void AttributePanelView::setBands(const AttributeBands& bands)
{
    m_bands = bands;
    changed();
}

void AttributePanelView::setVision(Vision vision)
{
    m_vision = vision;
    changed();
}

void AttributePanelView::setTexts(const ReadabilityTexts& texts)
{
    m_captions = texts;
    layOut();
    changed();
}

void AttributePanelView::changed()
{
    m_stale = true;
    update();
}

const QImage& AttributePanelView::picture() const
{
    if (m_stale) {
        m_picture = drawn();
        m_stale = false;
    }
    return m_picture;
}

QRect AttributePanelView::valueBox(std::size_t column, std::size_t row)
{
    return {columnLeft(column) + kColumnWidth - kPadding - kValueWidth,
        kRowsTop + static_cast<int>(row) * kRowHeight, kValueWidth, kRowHeight};
}

// The glyphs are drawn once per language; the colours change far more often.
void AttributePanelView::layOut()
{
    m_texts.clear();
    const QFont plain = font();
    QFont bold = plain;
    bold.setBold(true);
    const auto add = [this](QRect box, int flags, const QString& text, const QFont& font,
                         std::size_t slot, int bandedValue = 0) {
        m_texts.push_back({box, coverOf(box.size(), flags, text, font), slot, bandedValue});
    };
    constexpr int kLeft = Qt::AlignLeft | Qt::AlignVCenter;
    const std::array<const std::string*, 3> headings {
        &m_captions.txtTechnical, &m_captions.txtMental, &m_captions.txtPhysical};
    for (std::size_t column = 0; column < kAttributeColumns.size(); ++column) {
        const int left = columnLeft(column) + kPadding;
        const int width = kColumnWidth - 2 * kPadding;
        add({left, kMargin, width, kHeadingHeight}, kLeft,
            QString::fromStdString(*headings[column]), bold, kAttributeLabel);
        for (std::size_t row = 0; row < kAttributeColumns[column].size(); ++row) {
            const PanelAttribute& attribute = kAttributeColumns[column][row];
            const QRect value = valueBox(column, row);
            add({left, value.top(), width - kValueWidth, kRowHeight}, kLeft,
                QString::fromUtf8(
                    attribute.name.data(), static_cast<qsizetype>(attribute.name.size())),
                plain, attribute.special ? kSpecialAttributeLabel : kAttributeLabel);
            add(value, Qt::AlignRight | Qt::AlignVCenter, QString::number(attribute.value), bold,
                kSpecialAttribute, attribute.special ? 0 : attribute.value);
        }
    }
    add({kMargin + kPadding, kExtraTop, kPanelSize.width() - 2 * (kMargin + kPadding),
            kExtraHeight},
        kLeft, QString::fromStdString(m_captions.txtProfileExtra), plain, kProfileExtraText);
}

QImage AttributePanelView::drawn() const
{
    QImage canvas(kPanelSize, QImage::Format_RGB32);
    canvas.fill(QColor(redOf(m_face), greenOf(m_face), blueOf(m_face)));
    if (!m_background.isNull()) {
        QPainter painter(&canvas);
        painter.fillRect(canvas.rect(), QBrush(m_background));
    }
    for (const PanelText& text : m_texts)
        inkText(canvas, text.box, text.cover,
            m_readings[text.bandedValue != 0 ? m_bands.slotOf(text.bandedValue) : text.slot]);
    simulateVision(pixelsOf(canvas), m_vision);
    return canvas;
}

void AttributePanelView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, picture());
}

} // namespace tintabel
