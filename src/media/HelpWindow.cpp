#include "media/HelpWindow.h"

#include <QFile>
#include <QKeyEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>

#include "core/CourseState.h"
#include "core/SkinTable.h"
#include "core/UiText.h"
#include "media/MediaWindow.h"
#include "platform/Fonts.h"
#include "platform/PictureLoader.h"
#include "shared/Paths.h"
#include "widgets/Palette.h"
#include "widgets/SkinButton.h"
#include "widgets/SkinStrips.h"

namespace tess {

namespace {

// The strip picture leaves a slot for each button on its tray.
constexpr int kToolLeft = 732;
constexpr int kBackTop = 166;
constexpr int kContentsTop = 226;
constexpr int kPrintTop = 286;

constexpr int kFirstPage = 1;
constexpr int kLastPage = 999;

// The scroll bar in the colours of the pictures, so the page and the strip look as one.
const char kViewerStyle[] =
    "QTextBrowser { border: none; background: {white}; }"
    "QScrollBar:vertical { background: {sand}; width: 14px; margin: 0; }"
    "QScrollBar::handle:vertical { background: {teal}; border-radius: 5px; min-height: 32px;"
    " margin: 2px; }"
    "QScrollBar::handle:vertical:hover { background: {tealHover}; }"
    "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
    "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }";

QString Escaped(const std::string& text) { return QString::fromStdString(text).toHtmlEscaped(); }

// Shown in place of a page that cannot be read, so the window never stays blank.
QString MissingPage(const std::string& file) {
  return palette::Styled(
             QStringLiteral(
                 "<html><body style=\"font-family: 'Liberation Sans'; font-size: 15px;\">"
                 "<h2 style=\"color: {navy}; margin: 28px;\">Nie można otworzyć strony pomocy</h2>"
                 "<p style=\"color: {coral}; margin-left: 28px;\">%1</p>"
                 "<p style=\"margin-left: 28px;\">Sprawdź, czy program został zainstalowany "
                 "w całości.</p></body></html>"))
      .arg(Escaped(file));
}

SkinButton* ToolButton(QWidget* window, const char* name, SkinStrips& skins, int skin, int left,
                       int top) {
  auto* button = new SkinButton(window);
  button->setObjectName(QString::fromLatin1(name));
  button->SetImageList(&skins);
  button->SetBitmapNormal(skin);
  button->move(left, top);
  button->setCursor(Qt::PointingHandCursor);
  return button;
}

// A link as a path: the display hands over links taken from the page's folder as file URLs,
// and relative ones with their "\" and letters decoded. Web addresses stay as they are.
QString LinkText(const QUrl& link) {
  QString text;
  if (link.isLocalFile()) {
    text = link.toLocalFile();
  } else if (link.isRelative()) {
    text = link.path(QUrl::FullyDecoded);
  } else {
    return link.toString();
  }
  if (link.hasFragment()) text += QLatin1Char('#') + link.fragment(QUrl::FullyDecoded);
  return text;
}

bool AskWithPrintDialog(QPrinter& printer, QWidget* parent) {
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle(QStringLiteral("Drukowanie pomocy"));
  dialog.setMinMax(kFirstPage, kLastPage);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace

HelpViewer::HelpViewer(PictureLoader& pictures, QWidget* parent)
    : QTextBrowser(parent), pictures_(pictures) {
  setObjectName(QStringLiteral("FrameViewer1"));
  setFrameShape(QFrame::NoFrame);
  // Links are the window's to follow: it keeps the history.
  setOpenLinks(false);
  setOpenExternalLinks(false);
  setStyleSheet(palette::Styled(QString::fromLatin1(kViewerStyle)));
  // Pages are laid out for the width left beside a scroll bar that is always there, so
  // tables of the full width never need a horizontal one.
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  document()->setDefaultFont(PointFont("Arial", 10));
  document()->setDocumentMargin(0);
}

void HelpViewer::ShowPage(const HelpPage& page) {
  // The URL is built from the real file, so that relative names in the page resolve against
  // the right folder (a "\" in a URL is not a separator).
  QUrl url = QUrl::fromLocalFile(QString::fromStdString(ResolvePath(page.File)));
  if (!page.Anchor.empty()) url.setFragment(QString::fromStdString(page.Anchor));
  file_ = page.File;
  // A link clicked before keeps its focus frame unless the cursor leaves it.
  setTextCursor(QTextCursor(document()));
  setSource(url);
  if (page.Anchor.empty()) verticalScrollBar()->setValue(0);
  clearHistory();
}

std::string HelpViewer::LocalPathOf(const QUrl& name) const {
  QUrl url = name;
  if (url.isRelative()) {
    const QUrl base = document()->baseUrl().isValid() && !document()->baseUrl().isEmpty()
                          ? document()->baseUrl()
                          : source();
    url = base.resolved(name);
  }
  return url.isLocalFile() ? url.toLocalFile().toStdString() : LinkText(url).toStdString();
}

QVariant HelpViewer::loadResource(int type, const QUrl& name) {
  const std::string path = LocalPathOf(name);
  if (type == QTextDocument::ImageResource) {
    const QImage image = pictures_.Load(path);
    return image.isNull() ? QVariant() : QVariant(image);
  }
  QFile file(QString::fromStdString(ResolvePath(path)));
  const bool read = file.open(QIODevice::ReadOnly);
  const QByteArray bytes = read ? file.readAll() : QByteArray();
  if (type == QTextDocument::HtmlResource) {
    // The display decodes the bytes by the page's own charset (UTF-8 where it names none).
    return read ? QVariant(bytes) : QVariant(MissingPage(file_));
  }
  if (type == QTextDocument::StyleSheetResource) {
    return read ? QVariant(QString::fromUtf8(bytes)) : QVariant();
  }
  return read ? QVariant(bytes) : QVariant();
}

HelpWindow::HelpWindow(CourseState& state, SkinStrips& skins, PictureLoader& pictures,
                       QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), state_(state), pictures_(pictures) {
  setObjectName(QStringLiteral("THelpForm"));
  setFixedSize(800, 600);
  // Where the strip picture is missing the buttons still stand on the strip's colour.
  setAutoFillBackground(true);
  QPalette navy = palette();
  navy.setColor(QPalette::Window, palette::kNavy);
  setPalette(navy);

  FrameViewer1 = new HelpViewer(pictures_, this);
  FrameViewer1->setGeometry(0, 0, 700, 600);
  img_tlo = new QLabel(this);
  img_tlo->setObjectName(QStringLiteral("img_tlo"));
  img_tlo->setGeometry(700, 0, 100, 600);

  btn_back =
      ToolButton(this, "btn_back", skins, SkinIndex(CourseSkin::HelpBack), kToolLeft, kBackTop);
  btn_spis = ToolButton(this, "btn_spis", skins, SkinIndex(CourseSkin::HelpContents), kToolLeft,
                        kContentsTop);
  Button2 =
      ToolButton(this, "Button2", skins, SkinIndex(CourseSkin::HelpPrint), kToolLeft, kPrintTop);
  btn_exit = ToolButton(this, "btn_exit", skins, SkinIndex(CourseSkin::Close), 775, 0);
  btn_exit->setToolTip(QStringLiteral("Zamknij pomoc"));

  connect(btn_back, &SkinButton::Click, this, &HelpWindow::btn_backClick);
  connect(Button2, &SkinButton::Click, this, &HelpWindow::Button2Click);
  connect(btn_spis, &SkinButton::Click, this, &HelpWindow::btn_spisClick);
  connect(btn_exit, &SkinButton::Click, this, &HelpWindow::btn_exitClick);
  connect(FrameViewer1, &QTextBrowser::anchorClicked, this,
          [this](const QUrl& link) { LinkClicked(LinkText(link)); });
  FrameViewer1->installEventFilter(this);
  installEventFilter(this);
  btn_back->hide();
}

void HelpWindow::AttachMediaWindow(MediaWindow& media) {
  MediaShown = [&media] { return media.MediaShown(); };
  HideMedia = [&media] { media.hide(); };
  ShowMedia = [&media] {
    media.show();
    media.raise();
  };
}

void HelpWindow::ShowWindow() {
  if (!isVisible()) setWindowModality(Qt::ApplicationModal);
  show();
  raise();
  activateWindow();
}

void HelpWindow::ShowHelpPage(const std::string& path) {
  history_.Open(path);
  Display();
}

void HelpWindow::Display() {
  FrameViewer1->ShowPage(history_.Current());
  UpdateButtons();
}

void HelpWindow::UpdateButtons() {
  btn_back->setVisible(history_.BackShown());
  btn_spis->setVisible(history_.ContentsShown());
}

void HelpWindow::LinkClicked(const QString& href) {
  const std::string link = href.toStdString();
  if (link.empty()) return;
  if (IsWebLink(link)) {
    if (OpenWebPage) OpenWebPage(link);
    return;
  }
  history_.LinkFollowed(ResolveHelpLink(history_.Current().File, link));
  Display();
}

void HelpWindow::btn_backClick() {
  history_.Back();
  Display();
}

void HelpWindow::btn_spisClick() { ShowHelpPage(state_.ProgramPath("Htm_r\\h_index.html")); }

void HelpWindow::Button2Click() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(QString::fromStdString(std::string(HelpFileName(FrameViewer1->FileName()))));
  printer.setFromTo(kFirstPage, kLastPage);
  const bool chosen = ChoosePrinter ? ChoosePrinter(printer) : AskWithPrintDialog(printer, this);
  if (chosen) FrameViewer1->document()->print(&printer);
}

void HelpWindow::btn_exitClick() { hide(); }

void HelpWindow::showEvent(QShowEvent* event) {
  if (MediaShown && MediaShown() && HideMedia) HideMedia();
  btn_back->setToolTip(UiText(state_, 53));
  Button2->setToolTip(UiText(state_, 54));
  btn_spis->setToolTip(UiText(state_, 55));
  img_tlo->setPixmap(
      QPixmap::fromImage(pictures_.Load(state_.ProgramPath("gfx_r\\pod_pasek_help.bmp"))));
  btn_back->hide();
  QWidget::showEvent(event);
}

void HelpWindow::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (event->spontaneous()) return;  // minimised, not closed
  img_tlo->clear();
  setWindowModality(Qt::NonModal);
  if (MediaShown && MediaShown() && ShowMedia) ShowMedia();
}

// Esc closes the help as its close button does; the page sees every other key.
bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    btn_exitClick();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace tess
