// The reports' preview and PDF commands of the three screens that print, the
// date the results screens show, and the maker's address the About box and
// the printed footer share.
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "shell/FileCommands.h"
#include "support/CoreFixture.h"
#include "support/FormTest.h"

namespace quorin::test {
namespace {

struct GasDate : FormTest {
    GasDate() : FormTest("frmInputScrn", "frmResults") {}
};

// The results screen shows the date the reports print: MM-DD-YYYY.
TEST_F(GasDate, IsTheReportsDate) {
    findMeter();
    const QString shown = control<QLineEdit>(results_, "txtDate")->text();
    EXPECT_TRUE(QRegularExpression("^\\d\\d-\\d\\d-\\d{4}$").match(shown).hasMatch()) << shown.toStdString();
    EXPECT_EQ(shown.toStdString(), todayText());
}

class Maker : public UiTest {};

// The About box names the maker as the printed reports' footer does.
TEST_F(Maker, AboutBoxAndFooterShareTheAddress) {
    QStringList about;
    runDialog("frmAbout", [&](QDialog& d) {
        about = d.findChild<QPlainTextEdit*>("txtAboutName")->toPlainText().split('\n');
    });
    ASSERT_EQ(about.size(), 4);  // name, street, town, telephone
    const QString footer =
        QString::fromStdString(modPrintResults(modGasResults(), "").texts().back()->text);
    const QString telephone = about[3].mid(about[3].indexOf('('));
    for (const QString& part : {about[0], about[1] + ", " + about[2], "Tel. " + telephone}) {
        EXPECT_TRUE(footer.contains(part)) << part.toStdString() << " in " << footer.toStdString();
    }
}

}  // namespace
}  // namespace quorin::test
