#include "coursebook/InformationWindow.h"

#include <QKeyEvent>
#include <QPainter>
#include <iterator>

#include "choosers/ChooserIcons.h"
#include "core/CourseSkins.h"
#include "core/CourseState.h"
#include "core/SkinTable.h"
#include "core/UiText.h"
#include "platform/Fonts.h"
#include "platform/ModalShower.h"
#include "platform/PictureLoader.h"
#include "platform/QtTextMeasurer.h"
#include "widgets/Centre.h"
#include "widgets/ControlNames.h"

namespace tess {

namespace {

// The window draws in "Arial CE" 10 pt.
QFont TextFont() { return PointFont("Arial CE", 10); }

// Pictures are drawn without the colour of their bottom-left pixel, like the skins.
QPixmap Transparent(const QImage& image) {
  if (image.isNull()) return {};
  QPixmap pixmap = QPixmap::fromImage(image);
  const QColor key = image.pixelColor(0, image.height() - 1);
  pixmap.setMask(pixmap.createMaskFromColor(key, Qt::MaskInColor));
  return pixmap;
}

// The lesson chooser's icon of each inline picture before stat_1, in their order.
constexpr ChooserIcon kChooserIcons[] = {
    ChooserIcon::poz_1,   ChooserIcon::poz_2,   ChooserIcon::poz_3,   ChooserIcon::poz_4,
    ChooserIcon::zda_dyk, ChooserIcon::zda_roz, ChooserIcon::zda_tek, ChooserIcon::img_rpg,
    ChooserIcon::img_dia, ChooserIcon::rob_yes, ChooserIcon::rob_no};
constexpr int kFirstStat = static_cast<int>(InformationPicture::stat_1);
static_assert(std::size(kChooserIcons) == kFirstStat);

}  // namespace

void InformationPaintBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  paint_(painter);
}

InformationWindow::InformationWindow(const CourseState& state, CourseSkins& skins,
                                     PictureLoader& pictures, ModalShower& modal, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Dialog),
      state_(state),
      pictures_(pictures),
      modal_(modal) {
  setObjectName("TInformacjaForm");
  setFixedSize(455, 266);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  setAutoFillBackground(true);

  Image2 = new QLabel(this);
  Image2->setObjectName("Image2");
  Image2->setGeometry(0, 0, 455, 266);
  // The paint box has no background of its own: the text lies on the picture's paper panel.
  Pb1 = new InformationPaintBox(this, [this](QPainter& painter) { Pb1Paint(painter); });
  Pb1->setObjectName("Pb1");
  Pb1->setGeometry(12, 52, 381, 201);

  const auto button = [&](const char* name, int skin, int left, int top) {
    auto* b = new SkinButton(this);
    b->setObjectName(name);
    b->SetImageList(&skins.MyImageList1);
    b->SetBitmapNormal(skin);
    b->move(left, top);
    b->setCursor(Qt::PointingHandCursor);
    b->setToolTip(QStringLiteral("Wyjście"));
    return b;
  };
  B_OK = button("B_OK", SkinIndex(CourseSkin::Close), 424, 7);
  btn_up = button("btn_up", SkinIndex(CourseSkin::ArrowUp), 410, 46);
  btn_dn = button("btn_dn", SkinIndex(CourseSkin::ArrowDown), 410, 231);
  btn_up->hide();
  btn_dn->hide();
  connect(B_OK, &SkinButton::Click, this, &InformationWindow::B_OKClick);
  connect(btn_up, &SkinButton::Click, this, &InformationWindow::btn_upClick);
  connect(btn_dn, &SkinButton::Click, this, &InformationWindow::btn_dnClick);
}

void InformationWindow::ShowInformation(const std::string& text) {
  InformationText = text;
  CentreOnScreen(*this);
  modal_.ShowModal(*this);
}

void InformationWindow::LoadInlinePictures() {
  if (inlineLoaded_) return;
  inlineLoaded_ = true;
  // A missing picture draws nothing; the text around it still shows.
  ChooserIcons icons;
  icons.Load(pictures_, state_.Install.ProgramDir);
  for (int i = 0; i < kInformationPictureCount; ++i) {
    if (i < kFirstStat) {
      inline_[i] = Transparent(icons.Get(kChooserIcons[i]).toImage());
    } else {
      const std::string name = "stat_" + std::to_string(i - kFirstStat + 1) + ".bmp";
      inline_[i] = Transparent(pictures_.Load(state_.ProgramPath("gfx_r\\ikony\\" + name)));
    }
  }
}

const QPixmap& InformationWindow::PictureOf(InformationPicture picture) const {
  return inline_[static_cast<size_t>(picture)];
}

// Help texts are interface texts of the current language; translations come from the course's
// Polish files.
CodePage InformationWindow::TextCodePage() const {
  return page_.Help() ? InterfaceCodePage(state_.InterfaceLanguage) : CodePage::Cp1250;
}

void InformationWindow::showEvent(QShowEvent* event) {
  setWindowTitle(CourseText(state_.Install.CourseTitle));
  // The arrows share the close button's hint; screen readers hear what they do.
  NameControl(*btn_up, names::kUp, state_.InterfaceLanguage);
  NameControl(*btn_dn, names::kDown, state_.InterfaceLanguage);
  page_.Open(InformationText);
  Image2->setPixmap(
      QPixmap::fromImage(pictures_.Load(state_.LangPath(InformationBackground(page_.Help())))));
  LoadInlinePictures();
  // The layout does not depend on the scrolling, so the buttons are set up before the first
  // drawing rather than during it.
  InformationPictureWidths widths;
  for (int i = 0; i < kInformationPictureCount; ++i) widths[i] = LogicalSize(inline_[i]).width();
  page_.LayOut(QtTextMeasurer(TextFont(), TextCodePage()), widths, Pb1->width(), Pb1->height());
  UpdateScrollButtons();
  Pb1->update();
  QWidget::showEvent(event);
}

void InformationWindow::hideEvent(QHideEvent* event) {
  Image2->clear();
  // A button the mouse was over when the window closed gets no leave event; it must not come
  // back highlighted.
  for (SkinButton* button : {B_OK, btn_up, btn_dn}) button->SetStan(0);
  QWidget::hideEvent(event);
}

void InformationWindow::UpdateScrollButtons() {
  btn_up->setVisible(page_.UpShown());
  btn_dn->setVisible(page_.DownShown());
}

void InformationWindow::B_OKClick() { SetModalResult(*this, mrOk); }

void InformationWindow::btn_upClick() {
  page_.ScrollUp();
  UpdateScrollButtons();
  Pb1->update();
}

void InformationWindow::btn_dnClick() {
  page_.ScrollDown();
  UpdateScrollButtons();
  Pb1->update();
}

void InformationWindow::Pb1Paint(QPainter& painter) {
  const QFont base = TextFont();
  const CodePage codePage = TextCodePage();
  const int offset = page_.ScrollOffset();
  painter.setPen(Qt::black);
  for (const InformationPiece& piece : page_.Layout().Pieces) {
    const int y = piece.Y + offset;
    if (y + kInformationLineHeight <= 0 || y >= Pb1->height()) continue;
    if (piece.Picture) {
      painter.drawPixmap(piece.X, y, PictureOf(*piece.Picture));
      continue;
    }
    const QFont font = QtTextMeasurer::Styled(base, piece.Bold, piece.Italic);
    painter.setFont(font);
    painter.drawText(piece.X, y + QFontMetrics(font).ascent(), Decode(piece.Text, codePage));
  }
}

void InformationWindow::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (event->key() == Qt::Key_Escape || (enter && B_OK->isVisible())) {
    B_OKClick();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace tess
