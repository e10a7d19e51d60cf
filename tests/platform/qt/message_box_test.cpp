// The program's message boxes show paths and reasons as they are.
#include "platform/qt/message_box.h"

#include <gtest/gtest.h>

#include <QTextDocument>
#include <memory>

namespace {

constexpr char markup_home[] = "/home/<font color=red size=7>BIG</font><img src=red.png>";

TEST(MessageBox, APathHoldingMarkupShowsAsItIsShortOrShortened) {
    const std::string sentence = std::string(
                                     "The template library cannot be copied into the "
                                     "data folder ") +
                                 markup_home + "/.local/share/tembrick: Permission denied.";
    const std::string long_sentence = "Changes could not be saved to " + std::string(markup_home) +
                                      "/" + std::string(400, 'n') +
                                      "/<b>Offer</b> R&amp;D.brik: Read-only file system.";
    for (const std::string& message : {sentence, long_sentence}) {
        SCOPED_TRACE(message);
        const std::unique_ptr<QMessageBox> box(
            platform::message_box(QMessageBox::Warning, message));
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        const QString whole = QString::fromStdString(message);
        if (message == sentence) {
            EXPECT_EQ(box->text(), whole);
            continue;
        }
        EXPECT_NE(box->text(), whole);
        EXPECT_EQ(box->detailedText(), whole);
        // A tooltip reads markup unless told: it shows the text itself.
        QTextDocument tip;
        tip.setHtml(box->toolTip());
        EXPECT_EQ(tip.toPlainText(), whole);
    }
}

}  // namespace
