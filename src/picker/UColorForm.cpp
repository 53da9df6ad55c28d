#include "picker/UColorForm.h"

#include "picker/ColourPage.h"
#include "picker/UAdobeFrame.h"
#include "picker/UAdobeFrame2.h"
#include "picker/UPSPFrame.h"
#include "platform/GeneralErrorBox.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>

namespace tintabel {

namespace {

constexpr QSize kClientSize(350, 422);
constexpr QRect kPageBar(0, 0, 350, 24);
constexpr QPoint kPageTopLeft(0, 24);
constexpr QRect kButtonPanel(0, 387, 350, 35);
constexpr QRect kOkButton(8, 5, 105, 25);
constexpr QRect kCancelButton(240, 5, 105, 25);
constexpr int kBarButtonWidth = 70;

// The panel's buttons act on a click only, like the tool buttons beside them: Enter in a
// number field must not close the form.
QPushButton* panelButton(const char* caption, QRect area, QWidget* panel)
{
    auto* button = new QPushButton(QString::fromUtf8(caption), panel);
    button->setGeometry(area);
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

TColorForm::TColorForm(
    MessageBoxes& messages, Registry& registry, std::string_view programFile, QWidget* parent)
    : QDialog(parent)
    , m_messages(messages)
    , m_pageButtons(new QButtonGroup(this))
{
    setWindowTitle(QStringLiteral("Choose a colours"));
    setFixedSize(kClientSize);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);

    TBChoice = new QWidget(this);
    TBChoice->setGeometry(kPageBar);
    m_pageButtons->setExclusive(true);
    TBPsp = addBarButton("Colours", 0, true);
    TBPsp->setChecked(true);
    TBAdobe = addBarButton("Adobe 1", 1, true);
    TBAdobe2 = addBarButton("Adobe 2", 2, true);
    TBPerso = addBarButton("Perso", 3, true);
    TBuPerso = addBarButton("+", 4, false);
    PMCouleur = new QMenu(this);
    Ajoutgnral1 = PMCouleur->addAction(QString::fromUtf8("Ajout général"));
    Ajoutspcifique1 = PMCouleur->addAction(QString::fromUtf8("Ajout spécifique"));
    TBuPerso->setMenu(PMCouleur);
    TBuPerso->setPopupMode(QToolButton::MenuButtonPopup);
    connect(Ajoutgnral1, &QAction::triggered, this,
        guarded(m_messages, [this](bool) { Ajoutgnral1Click(); }));
    connect(Ajoutspcifique1, &QAction::triggered, this,
        guarded(m_messages, [this](bool) { Ajoutspcifique1Click(); }));
    connect(TBuPerso, &QToolButton::clicked, this,
        guarded(m_messages, [this](bool) { TBuPersoClick(); }));
    TBInfo = addBarButton("?", 5, false);
    for (QToolButton* hidden : {TBAdobe, TBAdobe2, TBPerso, TBuPerso, TBInfo})
        hidden->hide();

    Panel8 = new QWidget(this);
    Panel8->setGeometry(kButtonPanel);
    SpeedButton1 = panelButton("&Ok", kOkButton, Panel8);
    SpeedButton2 = panelButton("&Cancel", kCancelButton, Panel8);
    connect(SpeedButton1, &QPushButton::clicked, this,
        guarded(m_messages, [this](bool) { SpeedButton1Click(); }));
    connect(SpeedButton2, &QPushButton::clicked, this,
        guarded(m_messages, [this](bool) { SpeedButton2Click(); }));

    FramePSP = new TFramePSP(messages, this);
    FramePSP->setOldColour(0);
    addPage(*FramePSP, *TBPsp);
    FrameAdobe1 = new TFrameAdobe(messages, this);
    addPage(*FrameAdobe1, *TBAdobe);
    FrameAdobe2 = new TFrameAdobe2(messages, this);
    addPage(*FrameAdobe2, *TBAdobe2);
    FramePerso = new TFramePerso(messages, registry, programFile, this);
    addPage(*FramePerso, *TBPerso);
    // The wheel is painted once, here; the other pages paint after it.
    for (const Page& page : m_pages)
        page.page->paintPage();
}

TColorForm::~TColorForm()
{
    showErrors(m_messages, [this] { FramePerso->tearDown(); });
}

QToolButton* TColorForm::addBarButton(const char* caption, int slot, bool checkable)
{
    auto* button = new QToolButton(TBChoice);
    button->setText(QString::fromUtf8(caption));
    button->setGeometry(slot * kBarButtonWidth, 0, kBarButtonWidth, kPageBar.height());
    button->setAutoRaise(true);
    button->setCheckable(checkable);
    if (checkable)
        m_pageButtons->addButton(button);
    return button;
}

void TColorForm::addPage(ColourPage& page, QToolButton& button)
{
    QWidget& widget = page.pageWidget();
    widget.setParent(this);
    widget.move(kPageTopLeft);
    widget.setVisible(m_pages.empty());
    m_pages.push_back({&page, &button});
    connect(&button, &QToolButton::clicked, this,
        guarded(m_messages, [this, &button](bool) { TBClick(button); }));
}

void TColorForm::SetCouleur(const TCouleur& couleur)
{
    m_couleur.Assign(couleur);
    showPage(m_visible);
}

void TColorForm::SpeedButton1Click()
{
    m_couleur.Assign(visiblePage().pageColour());
    m_confirmed = m_couleur.Color();
    FramePSP->setOldColour(m_confirmed);
    accept();
}

void TColorForm::SpeedButton2Click()
{
    m_couleur.SetColor(m_confirmed);
    reject();
}

void TColorForm::TBClick(QToolButton& button)
{
    if (!button.isChecked())
        return;
    const auto chosen = std::find_if(
        m_pages.begin(), m_pages.end(), [&button](const Page& p) { return p.button == &button; });
    if (chosen == m_pages.end())
        return;
    m_couleur.Assign(visiblePage().pageColour());
    showPage(static_cast<std::size_t>(chosen - m_pages.begin()));
}

void TColorForm::keyPressEvent(QKeyEvent* event)
{
    showErrors(m_messages, [&] { FormKeyDown(*event); });
    QDialog::keyPressEvent(event);
}

void TColorForm::FormKeyDown(const QKeyEvent& key)
{
    if (key.key() == Qt::Key_Delete && &visiblePage() == FramePerso)
        FramePerso->deleteSelected();
}

void TColorForm::Ajoutgnral1Click()
{
    addCustomColour(TFramePerso::Group::General);
}

void TColorForm::Ajoutspcifique1Click()
{
    addCustomColour(TFramePerso::Group::Application);
}

void TColorForm::TBuPersoClick()
{
    addCustomColour(m_lastAdd);
}

void TColorForm::addCustomColour(TFramePerso::Group group)
{
    m_lastAdd = group;
    m_couleur.Assign(visiblePage().pageColour());
    FramePerso->addColour(group, m_couleur.Color());
}

void TColorForm::showPage(std::size_t index)
{
    for (const Page& page : m_pages)
        page.page->pageWidget().hide();
    m_visible = index;
    const Page& page = m_pages[index];
    page.page->enterColour(m_couleur);
    page.button->setChecked(true);
    page.page->pageWidget().show();
}

} // namespace tintabel
