#pragma once
// The one palette of both programs and of every picture the demo painter draws.
#include <QColor>
#include <QString>
#include <QStringView>

namespace tess::palette {

inline const QColor kNavy{0x1F, 0x3A, 0x5F};       // frames, title strips, text on paper
inline const QColor kNavyPanel{0x2A, 0x4B, 0x75};  // panels and quiet buttons on navy
inline const QColor kNavyEdge{0x14, 0x28, 0x44};   // the dark edge of navy panels
inline const QColor kTeal{0x2A, 0x9D, 0x8F};       // buttons, active tabs, ticks
inline const QColor kTealHover{0x4F, 0xB3, 0xA7};  // a teal button under the mouse
inline const QColor kTealPressed{0x23, 0x86, 0x7A};
inline const QColor kTealPale{0xDD, 0xF0, 0xED};
inline const QColor kTealOnNavy{0x8F, 0xD8, 0xCE};  // links and accents on navy
inline const QColor kSand{0xF4, 0xE9, 0xD8};        // page backgrounds
inline const QColor kSandLine{0xE4, 0xD4, 0xBA};
inline const QColor kSandInk{0xDF, 0xCF, 0xB2};       // faint motifs on tiles
inline const QColor kSandDisabled{0xC9, 0xB9, 0x9E};  // frames of disabled controls
inline const QColor kTealDisabled{0xB8, 0xC4, 0xC2};  // ticks of disabled controls
inline const QColor kWhite{0xFF, 0xFF, 0xFF};         // paper areas, lists
inline const QColor kCoral{0xE7, 0x6F, 0x51};         // wrong marks, warnings
inline const QColor kLeaf{0x6A, 0x99, 0x4E};          // right marks
inline const QColor kMuted{0x5E, 0x6E, 0x82};         // secondary text on paper
inline const QColor kVerdictRed{200, 40, 30};         // a verdict that not all is right
inline const QColor kTagGrey{128, 128, 128};          // abbreviations in the dictionary list
inline const QColor kRowHighlight{153, 204, 102};     // the selected row of every list
inline const QColor kFocusFrame{253, 114, 112};       // the frame of the focused row or box
/// The transparent colour of skin strips; never used by anything drawn.
inline const QColor kTransparentKey{0xFF, 0x00, 0xFF};

/// A style sheet with the palette's names in braces ("{navy}", "{teal}") turned into colours.
inline QString Styled(QStringView sheet) {
  struct Name {
    const char* key;
    const QColor& colour;
  };
  static const Name kNames[] = {
      {"{navy}", kNavy},
      {"{teal}", kTeal},
      {"{tealHover}", kTealHover},
      {"{tealPressed}", kTealPressed},
      {"{tealOnNavy}", kTealOnNavy},
      {"{sand}", kSand},
      {"{sandLine}", kSandLine},
      {"{white}", kWhite},
      {"{coral}", kCoral},
      {"{muted}", kMuted},
      {"{highlight}", kRowHighlight},
      {"{focus}", kFocusFrame},
  };
  QString text = sheet.toString();
  for (const Name& name : kNames) {
    text.replace(QLatin1String(name.key), name.colour.name(QColor::HexRgb).toUpper());
  }
  return text;
}

}  // namespace tess::palette
