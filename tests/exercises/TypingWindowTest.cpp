// The typing window as the learner meets it: the launcher opens it on a gap text beside the
// program, gaps are opened with the mouse, typed into with key events and left with Tab and
// Enter, the check marks the wrong gaps and closing records the attempt.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <filesystem>

#include "exercises/MultipleChoiceWindow.h"
#include "exercises/TypingWindow.h"
#include "support/ExerciseRig.h"
#include "widgets/PaintBox.h"
#include "widgets/SkinButton.h"

namespace tess {
namespace {

using testing::ClickAt;

constexpr const char* kHeader = "x#3#tlo_3#Hoer zu.#Pos\xB3uchaj.#Listen.#####";
constexpr const char* kGlossary = "<b>S\xB3owniczek</b> @flat - mieszkanie";

void Key(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
         const QString& text = {}) {
  for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
    QKeyEvent event(type, key, modifiers, text);
    QCoreApplication::sendEvent(widget, &event);
  }
}

void Type(QWidget* widget, const QString& text) {
  for (const QChar c : text) {
    const int key = c.isLetter() ? Qt::Key_A + (c.toUpper().unicode() - 'A') : c.unicode();
    Key(widget, key, c.isUpper() ? Qt::ShiftModifier : Qt::NoModifier, QString(c));
  }
}

class TypingWindowTest : public testing::ExerciseRig {
 protected:
  TypingWindowTest() : ExerciseRig(5) {}

  void SetUp() override {
    SetUpInstallation();
    std::filesystem::create_directories(folder_ / "Wpisywania");
    WriteGapText("wp_1", kGlossary, "We live in a &flat/\\apartment.\r\nIt is &warm and &sunny.");
    WriteGapText("wp_de", "", "Das Haus ist &gr\xFCn und &\xC4pfel sind rot.");
    WriteGapText("wp_fr", "", "C'est &tr\xE8s bien.");  // cp1252
    exercises_.Add({kHeader, "WP#wp_1", "=========="});
    exercises_.Add({kHeader, "MC#Who?=T_Anna.=Mark.#", "=========="});
    exercises_.Add({kHeader, "MC#Where?=T_Bath.=Leeds.#", "=========="});
    exercises_.Add({kHeader, "MC#When?=T_Now.=Later.#", "=========="});
    exercises_.Add({kHeader, "WP#wp_de", "=========="});
    exercises_.Add({kHeader, "WP#missing", "=========="});
    exercises_.Add({kHeader, "WP#wp_fr", "=========="});
    for (int item = 1; item <= 4; ++item) {
      ResultRecord record;
      record.Name = "tek_3";
      record.Kind = item == 2 ? 44 : 40;
      record.Item = static_cast<std::uint8_t>(item);
      results_.Append(record);
    }
    results_.CurrentResultName = "tek_3";
    launcher_.OnShowInformation = [this](const std::string& text) { information_.push_back(text); };
  }

  void WriteGapText(const std::string& name, const std::string& glossary, const std::string& text) {
    testing::WriteBytes(
        folder_ / ("Wpisywania/" + name + ".fcs"),
        "GAP_W = 80\r\nGLOSSARY  = " + glossary + "\r\nBLANKS  = 1\r\n" + text + "\r\n");
  }

  TypingWindow& Window() { return *static_cast<TypingWindow*>(launcher_.WindowOfKind("WP")); }

  /// Clicks the middle of gap k's hit box.
  void ClickGap(int k) {
    TypingWindow& window = Window();
    window.DXRamka->repaint();
    const TypingBox& box = window.Exercise().GapBox(k);
    ClickAt(window.DXRamka, QPoint(box.Left + box.Width / 2, box.Top + box.Height / 2));
  }

  std::vector<std::string> information_;
};

TEST_F(TypingWindowTest, TypeTabCheckAndCloseRecordsTheAttempt) {
  launcher_.BeginLesson({1}, {2}, 1, {-1, -1, -1, -1});
  TypingWindow& window = Window();
  ASSERT_EQ(launcher_.CurrentExerciseWindow(), &window);
  EXPECT_EQ(window.objectName(), "TCW_Wpisywanie1Form");
  ASSERT_EQ(window.Exercise().GapCount(), 3);
  EXPECT_TRUE(window.Edit1->isHidden());
  EXPECT_FALSE(window.btn_sprawdz->isHidden());

  ClickGap(1);
  ASSERT_FALSE(window.Edit1->isHidden());
  const TypingBox box = window.Exercise().EntryBox();
  EXPECT_EQ(window.Edit1->geometry(),
            QRect(window.DXRamka->x() + box.Left, window.DXRamka->y() + box.Top, 80, 18));
  EXPECT_TRUE(window.Exercise().ExerciseTouched());
  Type(window.Edit1, "Apartment");
  Key(window.Edit1, Qt::Key_Tab);
  EXPECT_EQ(window.Exercise().EntryGap(), 2);
  EXPECT_EQ(window.Exercise().Entry(1), "Apartment");
  Type(window.Edit1, "cold");
  Key(window.Edit1, Qt::Key_Return);
  EXPECT_EQ(window.Exercise().EntryGap(), 3);
  Type(window.Edit1, "sunny");
  ClickAt(window.DXRamka, QPoint(2, 2));  // beside the gaps: the box closes, the text stays
  EXPECT_TRUE(window.Edit1->isHidden());
  EXPECT_EQ(window.Exercise().Entry(3), "sunny");

  ClickAt(window.btn_sprawdz, QPoint(3, 3));
  EXPECT_TRUE(window.btn_sprawdz->isHidden());
  EXPECT_EQ(window.lbl_proc->text(), "67");
  EXPECT_EQ(window.lbl_komentarz->text(), "T67");
  EXPECT_EQ(window.Exercise().Entry(2), "warm");
  // The mark before the wrong gap tells what was typed.
  window.DXRamka->repaint();
  ASSERT_EQ(window.Exercise().Marks().size(), 1u);
  const TypingBox mark = window.Exercise().Marks()[0].Box;
  testing::SendMouse(window.DXRamka, QEvent::MouseMove, QPoint(mark.Left + 4, mark.Top + 4),
                     Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(window.DXRamka->toolTip(), "cold");
  EXPECT_EQ(window.DXRamka->cursor().shape(), Qt::PointingHandCursor);
  testing::SendMouse(window.DXRamka, QEvent::MouseMove, QPoint(2, 2), Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(window.DXRamka->toolTip(), "");

  window.lbl_exitClick();
  const ResultRecord saved = SavedResults().At(2);
  EXPECT_EQ(saved.Kind, 44);
  EXPECT_EQ(saved.Item, 2);
  EXPECT_EQ(saved.Score, 67);
  EXPECT_EQ(saved.Attempts, 1);
  EXPECT_EQ(saved.Finished, 1);
}

TEST_F(TypingWindowTest, ScreenReadersReadTheGapsWithTheirAnswers) {
  launcher_.BeginLesson({1}, {2}, 1, {-1, -1, -1, -1});
  TypingWindow& window = Window();
  window.DXRamka->repaint();
  QAccessibleInterface* pane = QAccessible::queryAccessibleInterface(window.DXRamka);
  ASSERT_NE(pane, nullptr);
  const auto read = [&] {
    QStringList said;
    for (int i = 0; i < pane->childCount(); ++i) {
      QAccessibleInterface* row = pane->child(i);
      said << row->text(QAccessible::Name) + " | " + row->text(QAccessible::Description);
    }
    return said;
  };
  EXPECT_EQ(read(), QStringList({"We live in a | ", "luka 1 | ", ". It is | ", "luka 2 | ",
                                 "and | ", "luka 3 | ", ". | "}))
      << read().join('\n').toStdString();
  EXPECT_EQ(pane->child(1)->role(), QAccessible::EditableText);

  // A press on a gap opens it as a click does; what is typed is its answer.
  pane->child(1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  QCoreApplication::processEvents();
  ASSERT_EQ(window.Exercise().EntryGap(), 1);
  EXPECT_EQ(window.Edit1->accessibleName(), "luka 1");
  Type(window.Edit1, "Apartment");
  EXPECT_TRUE(pane->child(1)->state().selected);
  EXPECT_EQ(pane->child(1)->text(QAccessible::Value), "Apartment");
  Key(window.Edit1, Qt::Key_Tab);
  Type(window.Edit1, "cold");
  ClickAt(window.btn_sprawdz, QPoint(3, 3));
  window.DXRamka->repaint();
  // Checked, the gaps show their solutions, each with its verdict.
  const QStringList checked = read();
  EXPECT_EQ(checked[1], "luka 1 | flat, dobrze");
  EXPECT_EQ(checked[3], QString::fromUtf8("luka 2 | warm, źle"));
  EXPECT_EQ(checked[5], QString::fromUtf8("luka 3 | sunny, źle"));
}

TEST_F(TypingWindowTest, GermanLettersWithCtrlGoWhereTheCaretIs) {
  state_.Install.CourseLanguage = 2;
  launcher_.BeginLesson({5}, {2}, 1, {-1, -1, -1, -1});
  TypingWindow& window = Window();
  EXPECT_TRUE(window.btn_tlumacz->isHidden());  // a blank glossary has no button
  ClickGap(1);
  Type(window.Edit1, "grn");
  window.Edit1->setCursorPosition(2);
  Key(window.Edit1, Qt::Key_U, Qt::ControlModifier, QStringLiteral("\x15"));
  EXPECT_EQ(window.Edit1->text(), QStringLiteral("grün"));
  EXPECT_EQ(window.Exercise().EntryText(), "gr\xFCn");
  Key(window.Edit1, Qt::Key_Tab);
  Key(window.Edit1, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier, QStringLiteral("\x01"));
  Type(window.Edit1, "pfel");
  EXPECT_EQ(window.Edit1->text(), QStringLiteral("Äpfel"));
  ClickAt(window.btn_sprawdz, QPoint(3, 3));
  EXPECT_EQ(window.lbl_proc->text(), "100");
  EXPECT_EQ(window.lbl_komentarz->text(), "T66");
}

// The mark's hint adds why the entry is wrong; the Polish is cp1250, the quoted French letters
// cp1252 ("è" is "č" at the same code in cp1250).
TEST_F(TypingWindowTest, MarkHintTellsTheKindOfMistake) {
  state_.Install.CourseLanguage = 3;
  launcher_.BeginLesson({7}, {2}, 1, {-1, -1, -1, -1});
  TypingWindow& window = Window();
  ASSERT_EQ(window.Exercise().GapCount(), 1);
  ClickGap(1);
  Type(window.Edit1, "tres");
  ClickAt(window.btn_sprawdz, QPoint(3, 3));
  window.DXRamka->repaint();
  ASSERT_EQ(window.Exercise().Marks().size(), 1u);
  const TypingBox mark = window.Exercise().Marks()[0].Box;
  testing::SendMouse(window.DXRamka, QEvent::MouseMove, QPoint(mark.Left + 4, mark.Top + 4),
                     Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(window.DXRamka->toolTip(),
            QStringLiteral("tres\nB\u0142\u0105d: brak litery \u00E8 (wpisano e)"));
}

TEST_F(TypingWindowTest, GlossaryButtonShowsTheGlossary) {
  launcher_.BeginLesson({1}, {2}, 1, {-1, -1, -1, -1});
  TypingWindow& window = Window();
  ASSERT_FALSE(window.btn_tlumacz->isHidden());
  EXPECT_EQ(window.btn_tlumacz->toolTip(), "T28");
  ClickAt(window.btn_tlumacz, QPoint(3, 3));
  EXPECT_EQ(information_, std::vector<std::string>{kGlossary});
}

TEST_F(TypingWindowTest, MissingGapTextIsRefused) {
  launcher_.BeginLesson({6}, {2}, 1, {-1, -1, -1, -1});
  TypingWindow& window = Window();
  ASSERT_FALSE(messages_.messages.empty());
  EXPECT_EQ(messages_.messages.back(),
            "Nie można otworzyć pliku ćwiczenia wpisywania Wpisywania\\missing.fcs.");
  EXPECT_EQ(window.Exercise().GapCount(), 0);
  EXPECT_TRUE(window.btn_sprawdz->isHidden());
  EXPECT_TRUE(window.btn_tlumacz->isHidden());
}

TEST_F(TypingWindowTest, TypingTabOpensAfterTheOthers) {
  state_.Options.TypingTabLast = true;
  launcher_.BeginLesson({2, 1, 3, 4}, {1, 2, 3, 4}, 1, {-1, -1, -1, -1});
  ExerciseWindow* choice = launcher_.WindowOfKind("MC");
  ASSERT_EQ(launcher_.CurrentExerciseWindow(), choice);
  launcher_.OpenExerciseTab(2);
  ASSERT_FALSE(messages_.messages.empty());
  EXPECT_EQ(messages_.messages.back(), "T84");
  EXPECT_EQ(launcher_.CurrentExerciseWindow(), choice);
  EXPECT_EQ(launcher_.Lesson().CurrentTab, 1);

  launcher_.OpenExerciseTab(3);
  messages_.messages.clear();
  launcher_.OpenExerciseTab(2);
  EXPECT_EQ(messages_.messages, std::vector<std::string>{"T84"});
  launcher_.OpenExerciseTab(4);
  launcher_.OpenExerciseTab(2);
  EXPECT_EQ(launcher_.CurrentExerciseWindow(), &Window());
  EXPECT_TRUE(Window().isVisible());
  EXPECT_EQ(launcher_.Lesson().CurrentTab, 2);
}

}  // namespace
}  // namespace tess
