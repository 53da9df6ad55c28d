#include "app/ImageControl.h"
#include "app/ListBox.h"
#include "readability/Contrast.h"
#include "support/MainWindowFixture.h"

#include <QApplication>
#include <QLabel>
#include <QStyle>

namespace tintabel::testing {
namespace {

double contrast(const QColor& a, const QColor& b)
{
    return contrastRatio(
        makeColour(a.red(), a.green(), a.blue()), makeColour(b.red(), b.green(), b.blue()));
}

// The design's colours under a light palette; then a desktop with a dark colour scheme: Fusion
// with a dark palette, to which the window turns while it runs.
TEST_F(MainWindowFixture, EveryTextContrastsWithWhatLiesBeneathItUnderADarkPalette)
{
    TForm1& form = start(); // without a user folder the status bar shows its red text
    for (const auto& [name, colour] : {std::pair {"Label1", QColor(255, 0, 0)},
             {"Label2", QColor(0, 128, 0)}, {"Label3", QColor(0, 0, 255)},
             {"Label7", QColor(0, 0, 0)}, {"StatusBar1", QColor(255, 0, 0)}})
        EXPECT_EQ(named<QLabel>(form, name)->palette().color(QPalette::WindowText), colour) << name;
    const QString style = QApplication::style()->name();
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(QPalette(Qt::white, QColor(53, 53, 53), Qt::gray, Qt::black, Qt::gray,
        Qt::white, Qt::white, QColor(35, 35, 35), QColor(53, 53, 53)));
    showWindow();
    const QImage shown = form.grab().toImage();
    int labels = 0;
    for (QLabel* label : form.findChildren<QLabel*>()) {
        if (!label->isVisible() || label->text().isEmpty() || qobject_cast<ImageControl*>(label))
            continue;
        ++labels; // beneath the text: the label's top left pixel, above the letters
        const QColor beneath = shown.pixelColor(label->mapTo(&form, QPoint()));
        EXPECT_GE(contrast(label->palette().color(label->foregroundRole()), beneath), 3)
            << label->objectName().toStdString();
    }
    EXPECT_GE(labels, 10);
    const QPalette list = named<ListBox>(form, "lista1")->palette(); // keeps its light grey
    EXPECT_GE(contrast(list.color(QPalette::Text), list.color(QPalette::Base)), 3);
    close();
    QApplication::setStyle(style);
    QApplication::setPalette(QPalette());
}

} // namespace
} // namespace tintabel::testing
