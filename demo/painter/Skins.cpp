// The shared skin list: two-frame button strips (normal, highlighted) and the two flags.
#include <QFontMetricsF>
#include <QPainterPath>

#include <functional>
#include <stdexcept>
#include <vector>

#include "Captions.h"
#include "Flags.h"
#include "Icons.h"
#include "Look.h"
#include "Pictures.h"

namespace tess::demo {

namespace {

using colour::kNavy;
using colour::kNavyPanel;
using colour::kSand;
using colour::kTeal;

QRectF Centred(const QRectF& box, qreal side) {
  return QRectF(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
}

qreal RadiusOf(const QRectF& face) { return qMin<qreal>(8, qRound(face.height() / 4)); }

// An icon alone on the button face.
QImage IconButton(QSize frame, Icon icon, const QColor& fill, const QColor& backdrop,
                  qreal iconSide, QMargins margin = {}) {
  return TwoFrameStrip(
      frame, backdrop,
      [&](QPainter& p, const QRectF& rect, bool highlighted) {
        const QRectF face = ButtonFace(p, rect, fill, highlighted, RadiusOf(rect));
        DrawIcon(p, icon, Centred(face, iconSide), colour::kWhite);
      },
      margin);
}

// An icon and a word, centred together; the icon stands after the word when `iconLast`.
QImage WordButton(QSize frame, Icon icon, const QString& word, const QColor& fill,
                  const QColor& backdrop, bool iconLast = false) {
  return TwoFrameStrip(frame, backdrop, [&](QPainter& p, const QRectF& rect, bool highlighted) {
    const QRectF face = ButtonFace(p, rect, fill, highlighted, RadiusOf(rect));
    const qreal iconSide = qMin<qreal>(18, face.height() - 12);
    const qreal gap = 7;
    const qreal room = face.width() - 2 * 10 - iconSide - gap;
    const QFont font = FittingFont(word, room, 15, 12, true);
    const qreal textWidth = QFontMetricsF(font).horizontalAdvance(word);
    const qreal left = face.center().x() - (iconSide + gap + textWidth) / 2;
    const qreal iconLeft = iconLast ? left + textWidth + gap : left;
    const qreal textLeft = iconLast ? left : left + iconSide + gap;
    DrawIcon(p, icon, QRectF(iconLeft, face.center().y() - iconSide / 2, iconSide, iconSide),
             colour::kWhite);
    p.setFont(font);
    p.setPen(colour::kWhite);
    p.drawText(QRectF(textLeft, face.top(), textWidth + 2, face.height()),
               Qt::AlignLeft | Qt::AlignVCenter, word);
  });
}

// A recorder button of a speaker role: the red recording dot and the role's letter.
QImage RecorderButton(QSize frame, const QString& letter) {
  return TwoFrameStrip(frame, kNavy, [&](QPainter& p, const QRectF& rect, bool highlighted) {
    const QRectF face = ButtonFace(p, rect, kTeal, highlighted, RadiusOf(rect));
    const QPointF centre = face.center();
    p.setPen(QPen(colour::kWhite, 2));
    p.setBrush(colour::kCoral);
    p.drawEllipse(QPointF(centre.x() - 8, centre.y()), 6.5, 6.5);
    p.setFont(Font(16, true));
    p.setPen(colour::kWhite);
    p.drawText(QRectF(centre.x() + 1, face.top(), 16, face.height()), Qt::AlignCenter, letter);
  });
}

// A play button of a speaker role in the conversations panel.
QImage RoleButton(QSize frame, const QString& letters) {
  return TwoFrameStrip(frame, kNavy, [&](QPainter& p, const QRectF& rect, bool highlighted) {
    const QRectF face = ButtonFace(p, rect, kTeal, highlighted, RadiusOf(rect));
    const QFont font = Font(16, true);
    const qreal textWidth = QFontMetricsF(font).horizontalAdvance(letters);
    const qreal iconSide = 18;
    const qreal left = face.center().x() - (iconSide + 6 + textWidth) / 2;
    DrawIcon(p, Icon::Play, QRectF(left, face.center().y() - iconSide / 2, iconSide, iconSide),
             colour::kWhite);
    p.setFont(font);
    p.setPen(colour::kWhite);
    p.drawText(QRectF(left + iconSide + 6, face.top(), textWidth + 2, face.height()),
               Qt::AlignLeft | Qt::AlignVCenter, letters);
  });
}

// The big round play button of the comprehension window.
QImage RoundPlayButton(int side) {
  return TwoFrameStrip(QSize(side, side), kSand, [&](QPainter& p, const QRectF& rect, bool hl) {
    const QRectF face = ButtonFace(p, rect, kTeal, hl, rect.height() / 2 - 1);
    DrawIcon(p, Icon::Play, Centred(face, side * 0.5).translated(1.5, 0), colour::kWhite);
  });
}

// The menu buttons of the main window stand on its navy menu bar; the transparent margins put
// the buttons, drawn at slightly uneven positions, into one even row.
constexpr QSize kMenuFace(76, 72);
QImage MenuButton(Icon icon, QMargins margin) {
  const QSize frame(kMenuFace.width() + margin.left(), kMenuFace.height() + margin.top());
  return IconButton(frame, icon, kTeal, kNavy, 40, margin);
}

struct Skin {
  const char* name;  // as the course opens it
  bool localised;    // a copy with words of each language goes into the language folders
  std::function<QImage(int language)> paint;
};

const std::vector<Skin>& SkinList() {
  const QSize small(24, 24);
  const QSize arrow(28, 28);
  const QSize square(32, 32);
  const QSize tool(36, 36);
  const QSize player(40, 40);
  const QSize wide(72, 40);
  const QSize panel(80, 36);
  const QSize word(128, 36);
  const auto icon = [](QSize frame, Icon i, const QColor& fill, const QColor& backdrop,
                       qreal side) {
    return [=](int) { return IconButton(frame, i, fill, backdrop, side); };
  };
  const auto words = [](QSize frame, Icon i, const Phrase& phrase, const QColor& fill,
                        bool iconLast = false) {
    return [=](int language) {
      return WordButton(frame, i, Say(phrase, language), fill, kSand, iconLast);
    };
  };
  const auto ok = [](QSize frame) {
    return [=](int) { return WordButton(frame, Icon::Check, QStringLiteral("OK"), kTeal, kSand); };
  };
  const auto recorder = [](const char* letter) {
    return [=](int) { return RecorderButton(QSize(48, 36), QString::fromLatin1(letter)); };
  };
  const auto role = [panel](const QString& letters) {
    return [=](int) { return RoleButton(panel, letters); };
  };
  const auto menu = [](Icon i, QMargins margin) {
    return [=](int) { return MenuButton(i, margin); };
  };
  const QMargins inRow(0, 5, 0, 0);

  // In the order of the skin list: a button's skin number is its position here.
  static const std::vector<Skin> skins = {
      {"but_r\\ok2.bmp", false, icon(square, Icon::Check, kTeal, kSand, 18)},
      {"but_r\\anuluj2.bmp", false, icon(square, Icon::Close, kNavy, kSand, 16)},
      {"but_r\\play.bmp", false, icon(player, Icon::Play, kTeal, kNavy, 20)},
      {"but_r\\stop.bmp", false, icon(player, Icon::Stop, kTeal, kNavy, 20)},
      {"but_r\\strz_up.bmp", false, icon(arrow, Icon::Up, kTeal, kSand, 18)},
      {"but_r\\strz_dn.bmp", false, icon(arrow, Icon::Down, kTeal, kSand, 18)},
      {"but_r\\Pause.bmp", false, icon(player, Icon::Pause, kTeal, kNavy, 20)},
      {"but_r\\Glosnik2.bmp", false, icon(player, Icon::Speaker, kTeal, kNavy, 22)},
      {"but_r\\ok_duzy.bmp", false, ok(wide)},
      {"but_r\\sprawdz_rozum.bmp", false, icon(wide, Icon::Check, kTeal, kSand, 24)},
      {"but_r\\mikrof2.bmp", false, icon(player, Icon::Microphone, kTeal, kNavy, 22)},
      {"but_r\\slownik2.bmp", false, icon(player, Icon::Book, kTeal, kNavy, 22)},
      {"but_r\\repeat_cw.bmp", false, icon(player, Icon::Repeat, kTeal, kSand, 20)},
      {"but_r\\podr_druk2.bmp", false, icon(tool, Icon::Print, kNavy, kSand, 20)},
      {"but_r\\podr_back2.bmp", false, icon(tool, Icon::Back, kNavy, kSand, 20)},
      {"but_r\\op_gora.bmp", false, icon(small, Icon::Up, kTeal, kSand, 16)},
      {"but_r\\op_dol.bmp", false, icon(small, Icon::Down, kTeal, kSand, 16)},
      {"but_r\\info2_rozum.bmp", false, icon(tool, Icon::Info, kTeal, kSand, 20)},
      {"but_r\\nagr_a.bmp", false, recorder("A")},
      {"but_r\\nagr_b.bmp", false, recorder("B")},
      {"but_r\\nagr_c.bmp", false, recorder("C")},
      {"but_r\\nagr_d.bmp", false, recorder("D")},
      {"but_r\\m_subj.bmp", false, menu(Icon::Exercises, QMargins(8, 5, 0, 0))},
      {"but_r\\m_video.bmp", false, menu(Icon::Video, inRow)},
      {"but_r\\m_sent.bmp", false, menu(Icon::Sentences, inRow)},
      {"but_r\\m_rec.bmp", false, menu(Icon::Headphones, inRow)},
      {"but_r\\m_conv.bmp", false, menu(Icon::Conversations, inRow)},
      {"but_r\\cw_back.bmp", false, icon(tool, Icon::Back, kNavy, kSand, 20)},
      {"but_r\\glos_maly.bmp", false, icon(small, Icon::Speaker, kTeal, kSand, 16)},
      {"but_r\\nowy_user.bmp", true, words(QSize(188, 34), Icon::UserPlus, say::kNewUser, kTeal)},
      {"but_r\\podr_spis2.bmp", false, icon(tool, Icon::Contents, kNavy, kSand, 20)},
      {"but_r\\D_play.bmp", false, role(QStringLiteral("A–D"))},
      {"but_r\\D_playA.bmp", false, role(QStringLiteral("A"))},
      {"but_r\\D_playB.bmp", false, role(QStringLiteral("B"))},
      {"but_r\\D_playC.bmp", false, role(QStringLiteral("C"))},
      {"but_r\\D_playD.bmp", false, role(QStringLiteral("D"))},
      {"but_r\\D_Start.bmp", false, icon(panel, Icon::Replay, kTeal, kNavy, 22)},
      {"but_r\\D_Nastep.bmp", false, icon(panel, Icon::Shuffle, kTeal, kNavy, 20)},
      {"but_r\\D_Help.bmp", false, icon(square, Icon::Question, kTeal, kNavy, 20)},
      {"but_r\\zd_sprawdz.bmp", true, words(word, Icon::Check, say::kCheck, kTeal)},
      {"but_r\\zd_ok_duzy.bmp", false, ok(wide)},
      {"but_r\\zd_umiem.bmp", true, words(word, Icon::Check, say::kIKnow, colour::kLeaf)},
      {"but_r\\zd_nie_umiem.bmp", true, words(word, Icon::Repeat, say::kNotYet, colour::kCoral)},
      {"but_r\\close_panel.bmp", false, icon(QSize(25, 25), Icon::Close, kNavyPanel, kNavy, 13)},
      {"but_r\\help.bmp", false, icon(QSize(26, 26), Icon::Question, kTeal, kSand, 20)},
      {"but_r\\next.bmp", true, words(word, Icon::Next, say::kNext, kTeal, true)},
      {"but_r\\m_repet.bmp", false, menu(Icon::Results, {})},
      {"but_r\\Wybor_ok.bmp", false, ok(QSize(72, 36))},
      {"but_r\\ok_rozum.bmp", true, words(word, Icon::Check, say::kCheck, kTeal)},
      {"but_r\\rozum_graj.bmp", false, [](int) { return RoundPlayButton(48); }},
      {"but_r\\panel_film.bmp", false, icon(QSize(48, 40), Icon::Film, kTeal, kSand, 22)},
  };
  return skins;
}

// The flags are small pictures with a hairline edge, so white stays apart from white.
QImage Flag(const std::function<void(QPainter&, const QRectF&)>& draw) {
  const QSize size(30, 20);
  QImage image = Canvas(size, colour::kWhite);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF field(0, 0, size.width(), size.height());
  draw(p, field);
  p.setPen(QPen(QColor(0, 0, 0, 60), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(field.adjusted(0.5, 0.5, -0.5, -0.5));
  return image;
}

}  // namespace

void PaintSkins(PictureFolder& folder, const Course& course) {
  const std::vector<Skin>& skins = SkinList();
  if (skins.size() != 51) throw std::logic_error("the skin list holds 51 strips");
  for (const Skin& skin : skins) {
    folder.SaveBmp(QString::fromLatin1(skin.name), skin.paint(0));
  }
  folder.SaveJpeg(QStringLiteral("but_r\\flaga_1.jpg"),
                  Flag([&course](QPainter& p, const QRectF& field) {
                    DrawCourseFlag(p, field, course.language());
                  }));
  folder.SaveJpeg(QStringLiteral("but_r\\flaga_tlum.jpg"), Flag(DrawPolishFlag));
}

void PaintLanguageSkins(PictureFolder& folder, int language) {
  for (const Skin& skin : SkinList()) {
    if (skin.localised) {
      folder.SaveBmp(LangDir(language) + QString::fromLatin1(skin.name), skin.paint(language));
    }
  }
}

}  // namespace tess::demo
