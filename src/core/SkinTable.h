#pragma once
// The course's shared skin list: buttons name their skin by its position here.
#include <array>

namespace tess {

struct SkinFile {
  const char* Name;
  bool InLanguageFolder;  ///< opened under ProgramDir + LangDir, else under ProgramDir
};

constexpr int kSkinCount = 51;
constexpr int kSkinFrames = 2;

inline constexpr std::array<SkinFile, kSkinCount> kCourseSkins = {{
    {"but_r\\ok2.bmp", false},         {"but_r\\anuluj2.bmp", false},
    {"but_r\\play.bmp", false},        {"but_r\\stop.bmp", false},
    {"but_r\\strz_up.bmp", false},     {"but_r\\strz_dn.bmp", false},
    {"but_r\\Pause.bmp", false},       {"but_r\\Glosnik2.bmp", false},
    {"but_r\\ok_duzy.bmp", false},     {"but_r\\sprawdz_rozum.bmp", false},
    {"but_r\\mikrof2.bmp", false},     {"but_r\\slownik2.bmp", false},
    {"but_r\\repeat_cw.bmp", false},   {"but_r\\podr_druk2.bmp", false},
    {"but_r\\podr_back2.bmp", false},  {"but_r\\op_gora.bmp", false},
    {"but_r\\op_dol.bmp", false},      {"but_r\\info2_rozum.bmp", false},
    {"but_r\\nagr_a.bmp", false},      {"but_r\\nagr_b.bmp", false},
    {"but_r\\nagr_c.bmp", false},      {"but_r\\nagr_d.bmp", false},
    {"but_r\\m_subj.bmp", false},      {"but_r\\m_video.bmp", false},
    {"but_r\\m_sent.bmp", false},      {"but_r\\m_rec.bmp", false},
    {"but_r\\m_conv.bmp", false},      {"but_r\\cw_back.bmp", false},
    {"but_r\\glos_maly.bmp", false},   {"but_r\\nowy_user.bmp", true},
    {"but_r\\podr_spis2.bmp", false},  {"but_r\\D_play.bmp", false},
    {"but_r\\D_playA.bmp", false},     {"but_r\\D_playB.bmp", false},
    {"but_r\\D_playC.bmp", false},     {"but_r\\D_playD.bmp", false},
    {"but_r\\D_Start.bmp", false},     {"but_r\\D_Nastep.bmp", false},
    {"but_r\\D_Help.bmp", false},      {"but_r\\zd_sprawdz.bmp", true},
    {"but_r\\zd_ok_duzy.bmp", false},  {"but_r\\zd_umiem.bmp", true},
    {"but_r\\zd_nie_umiem.bmp", true}, {"but_r\\close_panel.bmp", false},
    {"but_r\\help.bmp", false},        {"but_r\\next.bmp", true},
    {"but_r\\m_repet.bmp", false},     {"but_r\\Wybor_ok.bmp", false},
    {"but_r\\ok_rozum.bmp", true},     {"but_r\\rozum_graj.bmp", false},
    {"but_r\\panel_film.bmp", false},
}};

/// The buttons' names for the positions of the skin list, in its order.
enum class CourseSkin : int {
  OkSmall,
  Cancel,
  Play,
  Stop,
  ArrowUp,
  ArrowDown,
  Pause,
  Speaker,
  OkLarge,
  CheckComprehension,
  Microphone,
  Dictionary,
  RepeatExercise,
  HelpPrint,
  HelpBack,
  OptionsUp,
  OptionsDown,
  ComprehensionInfo,
  RecordA,
  RecordB,
  RecordC,
  RecordD,
  MenuSubjects,
  MenuVideo,
  MenuSentences,
  MenuRecords,
  MenuConversations,
  ExerciseBack,
  SpeakerSmall,
  NewUser,
  HelpContents,
  ConversationPlay,
  ConversationPlayA,
  ConversationPlayB,
  ConversationPlayC,
  ConversationPlayD,
  ConversationStart,
  ConversationNext,
  ConversationHelp,
  SentenceCheck,
  SentenceOkLarge,
  SentenceKnown,
  SentenceNotKnown,
  Close,
  Help,
  Next,
  MenuResults,
  ChoiceOk,
  Check,
  ComprehensionPlay,
  Film,
};

constexpr int SkinIndex(CourseSkin skin) { return static_cast<int>(skin); }
static_assert(SkinIndex(CourseSkin::Film) + 1 == kSkinCount);

}  // namespace tess
