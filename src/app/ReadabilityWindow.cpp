#include "app/ReadabilityWindow.h"

#include "app/AttributePanelView.h"
#include "platform/GeneralErrorBox.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace tintabel {

namespace {

constexpr QSize kSwatchSize(44, 18);
constexpr int kSwatchInset = 5;
constexpr int kVerdictWidth = 110;

// Verdicts carry their word; the colours only second it. Readable on light and dark palettes.
constexpr const char* kVerdictStyles[] = {
    "background: #c8e6c9; color: #1b5e20;", // pass
    "background: #ffe0b2; color: #8a4b00;", // large only
    "background: #ffcdd2; color: #8e0000;", // fail
};
constexpr const char* kHardStyle = "color: #c62828; font-weight: bold;";

QString qText(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QColor qColour(ColourValue colour)
{
    return {redOf(colour), greenOf(colour), blueOf(colour)};
}

// Restyling a widget is costly and the figures change on every keystroke; the style seldom does.
void restyle(QLabel& label, const QString& style)
{
    if (label.styleSheet() != style)
        label.setStyleSheet(style);
}

QLabel* figureLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

} // namespace

ReadabilityWindow::ReadabilityWindow(MessageBoxes& messages, QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Readability"));
    auto* simulationRow = new QHBoxLayout;
    m_simulationLabel = new QLabel(this);
    m_simulation = new QComboBox(this);
    m_simulation->setObjectName(QStringLiteral("simulation"));
    // Its items are named anew in each language.
    m_simulation->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    for (std::size_t vision = 0; vision < kVisionCount; ++vision)
        m_simulation->addItem(QString());
    m_simulationLabel->setBuddy(m_simulation);
    simulationRow->addWidget(m_simulationLabel);
    simulationRow->addWidget(m_simulation);
    simulationRow->addStretch();

    auto* figuresRow = new QHBoxLayout;
    figuresRow->addWidget(makeSlotsGroup());
    figuresRow->addWidget(makePairsGroup(), 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(simulationRow);
    layout->addLayout(figuresRow);
    layout->addWidget(makePanelGroup());
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_simulation, &QComboBox::currentIndexChanged, this, guarded(messages, [this](int) {
        for (std::size_t index = 0; index < kSlotCount; ++index)
            showSlot(index);
        m_panel->setVision(vision());
        emit visionChanged(vision());
    }));
    for (QSpinBox* end : m_bandEnds)
        connect(
            end, &QSpinBox::valueChanged, this, guarded(messages, [this](int) { bandsChanged(); }));
    bandsChanged();
}

QGroupBox* ReadabilityWindow::makeSlotsGroup()
{
    m_slotsGroup = new QGroupBox(this);
    auto* grid = new QGridLayout(m_slotsGroup);
    for (std::size_t column = 0; column < m_slotHeaders.size(); ++column) {
        m_slotHeaders[column] = new QLabel(m_slotsGroup);
        grid->addWidget(m_slotHeaders[column], 0, static_cast<int>(column));
    }
    m_slotHeaders[2]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (std::size_t index = 0; index < kSlotCount; ++index) {
        const int row = static_cast<int>(index) + 1;
        grid->addWidget(new QLabel(qText(kColourSlots[index].displayName), m_slotsGroup), row, 0);
        SlotRow& slot = m_slotRows[index];
        slot.swatch = new QLabel(m_slotsGroup);
        slot.contrast = figureLabel(m_slotsGroup);
        slot.verdict = new QLabel(m_slotsGroup);
        slot.verdict->setAlignment(Qt::AlignCenter);
        slot.verdict->setMinimumWidth(kVerdictWidth);
        const QString key = qText(kColourSlots[index].key);
        slot.contrast->setObjectName(key + QStringLiteral("Contrast"));
        slot.verdict->setObjectName(key + QStringLiteral("Verdict"));
        grid->addWidget(slot.swatch, row, 1);
        grid->addWidget(slot.contrast, row, 2);
        grid->addWidget(slot.verdict, row, 3);
    }
    return m_slotsGroup;
}

QGroupBox* ReadabilityWindow::makePairsGroup()
{
    m_pairsGroup = new QGroupBox(this);
    auto* grid = new QGridLayout(m_pairsGroup);
    for (std::size_t column = 0; column < m_pairHeaders.size(); ++column) {
        m_pairHeaders[column] = column == 0 ? new QLabel(m_pairsGroup) : figureLabel(m_pairsGroup);
        grid->addWidget(m_pairHeaders[column], 0, static_cast<int>(column));
    }
    for (std::size_t pair = 0; pair < kPairCount; ++pair) {
        const int row = static_cast<int>(pair) + 1;
        const auto [first, second] = kComparedPairs[pair];
        grid->addWidget(new QLabel(qText(kColourSlots[first].displayName) + QStringLiteral(" / ")
                                + qText(kColourSlots[second].displayName),
                            m_pairsGroup),
            row, 0);
        for (std::size_t vision = 0; vision < kVisionCount; ++vision) {
            m_pairValues[pair][vision] = figureLabel(m_pairsGroup);
            grid->addWidget(m_pairValues[pair][vision], row, static_cast<int>(vision) + 1);
        }
    }
    m_hardNote = new QLabel(m_pairsGroup);
    grid->addWidget(m_hardNote, static_cast<int>(kPairCount) + 1, 0, 1, -1);
    grid->setRowStretch(static_cast<int>(kPairCount) + 2, 1);
    return m_pairsGroup;
}

QGroupBox* ReadabilityWindow::makePanelGroup()
{
    m_panelGroup = new QGroupBox(this);
    m_panel = new AttributePanelView(m_panelGroup);
    m_panel->setObjectName(QStringLiteral("panel"));
    auto* bands = new QGridLayout;
    m_bandsLabel = new QLabel(m_panelGroup);
    bands->addWidget(m_bandsLabel, 0, 0, 1, -1);
    const std::array<ValueBand, AttributeBands::kBandCount> standard = AttributeBands().bands();
    for (std::size_t band = 0; band < AttributeBands::kBandCount; ++band) {
        const int row = static_cast<int>(band) + 1;
        bands->addWidget(new QLabel(qText(kColourSlots[band].displayName), m_panelGroup), row, 0);
        m_bandStarts[band] = new QLabel(m_panelGroup);
        bands->addWidget(m_bandStarts[band], row, 1);
        if (band == m_bandEnds.size()) {
            bands->addWidget(
                new QLabel(QString::number(AttributeBands::kHighestValue), m_panelGroup), row, 2);
            continue;
        }
        m_bandEnds[band] = new QSpinBox(m_panelGroup);
        m_bandEnds[band]->setObjectName(qText(kColourSlots[band].key) + QStringLiteral("End"));
        m_bandEnds[band]->setRange(AttributeBands::kLowestValue, AttributeBands::kHighestValue);
        m_bandEnds[band]->setValue(standard[band].to);
        bands->addWidget(m_bandEnds[band], row, 2);
    }
    bands->setRowStretch(static_cast<int>(AttributeBands::kBandCount) + 1, 1);
    bands->setColumnStretch(3, 1);
    auto* row = new QHBoxLayout(m_panelGroup);
    row->addWidget(m_panel);
    row->addLayout(bands);
    return m_panelGroup;
}

void ReadabilityWindow::retranslate(const InterfaceTexts& texts)
{
    m_texts = texts.readability;
    setWindowTitle(QString::fromStdString(texts.txtReadability));
    m_simulationLabel->setText(QString::fromStdString(m_texts.txtSimulation));
    const std::array<const std::string*, kVisionCount> visions {&m_texts.txtNormal,
        &m_texts.txtProtanopia, &m_texts.txtDeuteranopia, &m_texts.txtTritanopia};
    for (std::size_t vision = 0; vision < kVisionCount; ++vision) {
        m_simulation->setItemText(
            static_cast<int>(vision), QString::fromStdString(*visions[vision]));
        m_pairHeaders[vision + 1]->setText(QString::fromStdString(*visions[vision]));
    }
    m_slotsGroup->setTitle(QString::fromStdString(m_texts.txtContrastGroup));
    const std::array<const std::string*, 4> slotHeaders {&m_texts.txtColourHeader,
        &m_texts.txtShownHeader, &m_texts.txtContrastHeader, &m_texts.txtVerdictHeader};
    for (std::size_t column = 0; column < slotHeaders.size(); ++column)
        m_slotHeaders[column]->setText(QString::fromStdString(*slotHeaders[column]));
    m_pairsGroup->setTitle(QString::fromStdString(m_texts.txtPairsGroup));
    m_pairHeaders[0]->setText(QString::fromStdString(m_texts.txtPairHeader));
    m_hardNote->setText(QString::fromStdString(m_texts.txtHardNote));
    m_panelGroup->setTitle(QString::fromStdString(m_texts.txtPanelGroup));
    m_bandsLabel->setText(QString::fromStdString(m_texts.txtBands));
    m_panel->setTexts(m_texts);
    for (std::size_t index = 0; index < kSlotCount; ++index)
        showSlot(index);
}

void ReadabilityWindow::showFigures(
    const ReadabilityFigures& figures, const QImage& background, ColourValue groupFace)
{
    m_figures = figures;
    std::array<SlotReading, kSlotCount> readings;
    for (std::size_t index = 0; index < kSlotCount; ++index) {
        readings[index] = figures.slotFigures[index].reading;
        showSlot(index);
    }
    for (std::size_t pair = 0; pair < kPairCount; ++pair)
        showPair(pair);
    m_panel->setReadings(readings);
    m_panel->setBackground(background, groupFace);
}

Vision ReadabilityWindow::vision() const
{
    return kVisions.at(static_cast<std::size_t>(std::max(m_simulation->currentIndex(), 0)));
}

void ReadabilityWindow::showSlot(std::size_t index)
{
    const SlotFigures& figures = m_figures.slotFigures[index];
    const SlotRow& row = m_slotRows[index];
    QPixmap swatch(kSwatchSize);
    swatch.fill(qColour(simulateVision(figures.reading.beneath, vision())));
    QPainter(&swatch).fillRect(
        QRect(QPoint(), kSwatchSize)
            .adjusted(kSwatchInset, kSwatchInset, -kSwatchInset, -kSwatchInset),
        qColour(simulateVision(figures.shown, vision())));
    row.swatch->setPixmap(swatch);
    row.contrast->setText(QString::number(figures.contrast, 'f', 2));
    const std::array<const std::string*, 3> verdicts {
        &m_texts.txtPass, &m_texts.txtLargeOnly, &m_texts.txtFail};
    const auto verdict = static_cast<std::size_t>(figures.verdict);
    row.verdict->setText(QString::fromStdString(*verdicts.at(verdict)));
    restyle(*row.verdict, QString::fromLatin1(kVerdictStyles[verdict]));
}

void ReadabilityWindow::showPair(std::size_t index)
{
    const PairFigures& pair = m_figures.pairFigures[index];
    for (std::size_t vision = 0; vision < kVisionCount; ++vision) {
        QLabel* label = m_pairValues[index][vision];
        const bool hard = pair.hardFor(kVisions[vision]);
        // The mark goes in front so that the figures stay aligned on their right edge.
        label->setText((hard ? QStringLiteral("! ") : QString())
            + QString::number(pair.difference[vision], 'f', 2));
        restyle(*label, hard ? QString::fromLatin1(kHardStyle) : QString());
    }
}

void ReadabilityWindow::bandsChanged()
{
    // Each band keeps at least one value, so the bands are always whole.
    std::array<ValueBand, AttributeBands::kBandCount> bands {};
    int from = AttributeBands::kLowestValue;
    for (std::size_t band = 0; band < AttributeBands::kBandCount; ++band) {
        const int to
            = band < m_bandEnds.size() ? m_bandEnds[band]->value() : AttributeBands::kHighestValue;
        bands[band] = {from, to};
        from = to + 1;
    }
    for (std::size_t band = 0; band < m_bandEnds.size(); ++band)
        m_bandEnds[band]->setRange(bands[band].from, bands[band + 1].to - 1);
    for (std::size_t band = 0; band < AttributeBands::kBandCount; ++band)
        m_bandStarts[band]->setText(QString::number(bands[band].from) + QStringLiteral(" –"));
    m_panel->setBands(AttributeBands(bands));
}

void ReadabilityWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    emit openChanged(true);
}

void ReadabilityWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    emit openChanged(false);
}

} // namespace tintabel
