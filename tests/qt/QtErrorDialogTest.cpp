// The error dialog on screen: its three texts are there to be read and copied, drawn in the
// colours of any enabled text, never the faint ones of a disabled control.
#include "tests/qt/QtTestSupport.h"

#include "framework/ErrorMsg.h"
#include "resources/Resource.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

#include <string>

namespace {

std::string EditText(QtDialogWindow& window, int id)
{
    std::string text;
    window.GetText(id, text);
    return text;
}

TEST(QtErrorDialog, TextsAreReadOnlyInTheNormalColoursAndCanBeCopied)
{
    ErrorSink sink;
    sink.RealRangeWarning(0, 1e-13, "Frequency", "GHz");
    CErrorMsg dialog(sink);
    const int result = RunScripted(dialog, [&](QtDialogWindow& window) {
        const QPalette normal = window.Frame()->palette();
        const struct {
            int id;
            const std::string& text;
        } rows[] = {
            {IDC_ERR_PROBLEM, sink.Problem},
            {IDC_ERR_EXPLANATION, sink.Explanation},
            {IDC_ERR_SUGGESTION, sink.Suggestion},
        };
        for (const auto& row : rows) {
            SCOPED_TRACE(row.text);
            auto* edit = qobject_cast<QPlainTextEdit*>(window.Control(row.id));
            ASSERT_NE(edit, nullptr);
            EXPECT_TRUE(edit->isReadOnly());
            EXPECT_TRUE(edit->isEnabled());
            EXPECT_EQ(EditText(window, row.id), row.text);
            // The palette of an enabled widget reads in its current group, a disabled one's in
            // the disabled group.
            const QColor text = edit->palette().color(QPalette::Text);
            EXPECT_EQ(text.name().toStdString(), normal.color(QPalette::Active, QPalette::Text).name().toStdString());
            const Qt::TextInteractionFlags flags = edit->textInteractionFlags();
            EXPECT_TRUE(flags.testFlag(Qt::TextSelectableByMouse));
            EXPECT_TRUE(flags.testFlag(Qt::TextSelectableByKeyboard));
            EXPECT_FALSE(flags.testFlag(Qt::TextEditable));
        }

        // The dialog opens on OK; Tab goes on through the texts.
        EXPECT_EQ(window.GetFocus(), IDOK);
        PressTab();
        EXPECT_EQ(window.GetFocus(), IDC_ERR_PROBLEM);
        PressTab();
        ASSERT_EQ(window.GetFocus(), IDC_ERR_EXPLANATION);
        QApplication::clipboard()->clear();
        PressKey(Qt::Key_A, Qt::ControlModifier);
        PressKey(Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QApplication::clipboard()->text().toStdString(), sink.Explanation);
        // Nothing the keys do writes into the message.
        Type(QStringLiteral("x"));
        PressKey(Qt::Key_Backspace);
        EXPECT_EQ(EditText(window, IDC_ERR_EXPLANATION), sink.Explanation);
        EXPECT_EQ(window.GetFocus(), IDC_ERR_EXPLANATION);
        PressKey(Qt::Key_Return);
    });
    EXPECT_EQ(result, IDOK);
}

} // namespace
