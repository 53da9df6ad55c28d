#include "WinePrefix.h"
#include "platform/QtDialogs.h"
#include "platform/QtMessageBoxes.h"
#include "platform/QtShell.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QPushButton>
#include <QUrl>

#include <gtest/gtest.h>

namespace tintabel {
namespace {

// Open dialogs ask for an existing file unless told; saves replace without asking.
TEST(QtFileDialog, TranslatesTheProgramsFilterTextsAndAsksOnlyForExistingFilesToOpen)
{
    // Loose ends too: a description without patterns, blanks, empty patterns.
    const std::pair<const char*, QStringList> cases[]
        = {{"All supported formats|*.jpg;*.jpeg;*.png;*.bmp",
               {"All supported formats (*.jpg *.jpeg *.png *.bmp)"}},
            {"CTM files|*.ctm|All files|*.*", {"CTM files (*.ctm)", "All files (*.*)"}},
            {"Pictures| *.png ;;*.bmp|Anything", {"Pictures (*.png *.bmp)", "Anything (*)"}},
            {"|*.xml", {"*.xml (*.xml)"}}, {"", {}},
            {"Zażółć|*.xml", {QString::fromUtf8("Zażółć (*.xml)")}}};
    for (const auto& [filter, expected] : cases)
        EXPECT_EQ(qtNameFilters(filter), expected) << filter;

    const testing::TempFolder tmp;
    tmp.write("colours.xml", "<x/>");
    FileDialogRequest request {"od", "XML|*.xml", ".xml", (tmp / "colours.xml").string()};
    auto dialog = QtDialogs::makeFileDialog(request, QFileDialog::AcceptOpen, nullptr);
    EXPECT_EQ(dialog->objectName(), "od");
    EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(dialog->nameFilters(), QStringList {"XML (*.xml)"});
    request.mayNotExist = true;
    EXPECT_EQ(QtDialogs::makeFileDialog(request, QFileDialog::AcceptOpen, nullptr)->fileMode(),
        QFileDialog::AnyFile);

    dialog = QtDialogs::makeFileDialog(request, QFileDialog::AcceptSave, nullptr);
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_TRUE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(dialog->defaultSuffix(), "xml"); // a name typed without extension gets it
    EXPECT_EQ(
        dialog->selectedFiles(), QStringList {QString::fromStdString(request.initialFileName)});
}

TEST(QtMessageBoxes, BoxesShowTheTextAsPlainTextWithTheirButtons)
{
    QGuiApplication::setApplicationDisplayName("Veldo Tintabel for FM 2009");
    auto error = QtMessageBoxes::makeBox(QMessageBox::Critical, {},
        "Not well-formed\nLine: 3\n<colour name=\"low attribute\"", QMessageBox::Ok, nullptr);
    EXPECT_EQ(error->windowTitle(), "Veldo Tintabel for FM 2009");
    EXPECT_EQ(error->text(), "Not well-formed\nLine: 3\n<colour name=\"low attribute\"");
    EXPECT_EQ(error->textFormat(), Qt::PlainText);
    EXPECT_EQ(error->standardButtons(), QMessageBox::Ok);
    EXPECT_EQ(error->icon(), QMessageBox::Critical);

    auto question = QtMessageBoxes::makeBox(QMessageBox::Warning, "Attention",
        "Usunąć kolory?\r Na pewno", QMessageBox::Yes | QMessageBox::No, nullptr);
    EXPECT_EQ(question->windowTitle(), "Attention");
    EXPECT_EQ(question->text(), QString::fromUtf8("Usunąć kolory?\n Na pewno"));
    EXPECT_EQ(question->defaultButton(), question->button(QMessageBox::Yes));
}

// Stands in for the desktop: records the addresses QDesktopServices hands over.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

TEST(QtShell, OpensAddressesAsTheyStandAndPathTextsAsLocalFiles)
{
    const testing::WinePrefix wine;
    UrlRecorder recorder;
    const char* schemes[] = {"http", "https", "file", "mailto"};
    for (const char* scheme : schemes)
        QDesktopServices::setUrlHandler(scheme, &recorder, "open");
    QtShell shell {wine.env};
    EXPECT_TRUE(shell.open("https://example.org/tintabel/download", ShowWindow::Maximised));
    EXPECT_TRUE(shell.open("mailto:someone@example.org", ShowWindow::Normal));
    EXPECT_TRUE(shell.open("www.example.org", ShowWindow::Maximised));
    EXPECT_TRUE(shell.open(wine.root.withSlash() + "\\help\\help.html", ShowWindow::Normal));
    EXPECT_TRUE(shell.open("C:\\Games\\readme.txt", ShowWindow::Normal));
    // An empty or unmappable target opens nothing.
    EXPECT_FALSE(shell.open("", ShowWindow::Maximised));
    EXPECT_FALSE(shell.open("Q:\\nowhere", ShowWindow::Normal));
    EXPECT_EQ(recorder.urls,
        (QList<QUrl> {QUrl("https://example.org/tintabel/download"),
            QUrl("mailto:someone@example.org"), QUrl("http://www.example.org"),
            QUrl::fromLocalFile(QString::fromStdString((wine.root / "help/help.html").string())),
            QUrl::fromLocalFile(QString::fromStdString(
                (wine.root / "prefix/dosdevices/c:/Games/readme.txt").string()))}));
    for (const char* scheme : schemes)
        QDesktopServices::unsetUrlHandler(scheme);
}

} // namespace
} // namespace tintabel

#include "QtPlatformTest.moc"
