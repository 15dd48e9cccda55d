#pragma once
// Every word drawn into a picture, in the four interface languages (folders Lang_r\0 to 3).
#include <QString>

#include <array>

namespace tess::demo {

inline constexpr int kInterfaceLanguages = 4;  // 0 polski, 1 english, 2 deutsch, 3 russki

/// One caption in the order of the language folders, as UTF-8.
using Phrase = std::array<const char*, kInterfaceLanguages>;

inline QString Say(const Phrase& phrase, int language) {
  return QString::fromUtf8(phrase.at(static_cast<size_t>(language)));
}

inline const QString kProductTitle = QStringLiteral("Tessaron 5.0");

namespace say {
// Main window.
inline constexpr Phrase kListening{"Rozumienie ze słuchu", "Listening comprehension",
                                   "Hörverstehen", "Понимание на слух"};
inline constexpr Phrase kHeadline{"Słuchaj, rozumiej, mów", "Listen, understand, speak",
                                  "Hören, verstehen, sprechen", "Слушай, понимай, говори"};
inline constexpr Phrase kHeadlineMore{
    "Nagrania, filmy, rozmowy i ćwiczenia\n– krok po kroku, we własnym tempie.",
    "Recordings, videos, conversations, exercises\n– step by step, at your own pace.",
    "Aufnahmen, Videos, Gespräche, Übungen\n– Schritt für Schritt, im eigenen Tempo.",
    "Записи, видео, диалоги и упражнения\n– шаг за шагом, в своём темпе."};
inline constexpr Phrase kAuthors{"Autorzy kursu", "Course authors", "Autoren des Kurses",
                                 "Авторы курса"};
inline constexpr Phrase kMeetTheTeam{"Poznaj nasz zespół", "Meet the team", "Lernen Sie uns kennen",
                                     "Познакомьтесь с нами"};
inline constexpr Phrase kWebsite{"Strona kursu", "Course website", "Kurs-Webseite", "Сайт курса"};
inline constexpr Phrase kHelp{"Pomoc", "Help", "Hilfe", "Помощь"};
inline constexpr Phrase kOptions{"Opcje", "Options", "Optionen", "Настройки"};
inline constexpr Phrase kChooseSection{
    "Wybierz dział i zacznij naukę", "Choose a section and start learning",
    "Wählen Sie einen Bereich und legen Sie los", "Выберите раздел и начните занятия"};
inline constexpr Phrase kCourseLanguage{"Język kursu", "Course language", "Kurssprache",
                                        "Язык курса"};

// Captions of the menu buttons.
inline constexpr Phrase kExercises{"Ćwiczenia", "Exercises", "Übungen", "Упражнения"};
inline constexpr Phrase kVideos{"Filmy", "Videos", "Videos", "Видео"};
inline constexpr Phrase kSentences{"Zdania", "Sentences", "Sätze", "Предложения"};
inline constexpr Phrase kRecordings{"Nagrania", "Recordings", "Aufnahmen", "Записи"};
inline constexpr Phrase kConversations{"Rozmowy", "Conversations", "Gespräche", "Диалоги"};
inline constexpr Phrase kResults{"Wyniki", "Results", "Ergebnisse", "Результаты"};

// Message window.
inline constexpr Phrase kMessage{"Komunikat", "Message", "Mitteilung", "Сообщение"};

// Local users: the login, new-user and exit windows.
inline constexpr Phrase kLogIn{"Logowanie", "Log in", "Anmeldung", "Вход в программу"};
inline constexpr Phrase kChooseYourName{
    "Wybierz swoje imię z listy:", "Choose your name from the list:", "Wählen Sie Ihren Namen aus:",
    "Выберите своё имя из списка:"};
inline constexpr Phrase kTypeYourName{
    "Wpisz swoje imię lub pseudonim:", "Type your name or a nickname:", "Ihr Name oder Spitzname:",
    "Введите имя или псевдоним:"};
inline constexpr Phrase kQuitTitle{"Koniec pracy", "Quit", "Programm beenden",
                                   "Выход из программы"};
inline constexpr Phrase kQuitQuestion{
    "Czy na pewno chcesz zakończyć pracę z programem?", "Do you really want to quit the program?",
    "Möchten Sie das Programm wirklich beenden?", "Вы действительно хотите выйти из программы?"};

// The choosers.
inline constexpr Phrase kHowTo{"Kliknij tytuł i naciśnij OK – albo kliknij go dwa razy.",
                               "Click a title and press OK – or double-click it.",
                               "Titel anklicken und OK drücken – oder doppelklicken.",
                               "Выберите название и нажмите OK – или дважды щёлкните."};
inline constexpr Phrase kYourResults{"Twoje wyniki", "Your results", "Ihre Ergebnisse",
                                     "Ваши результаты"};
inline constexpr Phrase kLegend{"Znaki na liście", "Signs in the list", "Zeichen in der Liste",
                                "Значки в списке"};
inline constexpr Phrase kLevel{"poziom 1–4", "level 1–4", "Stufe 1–4", "уровень 1–4"};
inline constexpr Phrase kDone{"zrobione", "done", "erledigt", "выполнено"};
inline constexpr Phrase kNotDoneYet{"jeszcze nie", "not yet", "noch offen", "ещё нет"};
inline constexpr Phrase kHints{"Wskazówki", "Hints", "Hinweise", "Подсказки"};

// Buttons with words on them.
inline constexpr Phrase kCheck{"Sprawdź", "Check", "Prüfen", "Проверить"};
inline constexpr Phrase kIKnow{"Umiem", "I know it", "Gewusst", "Знаю"};
inline constexpr Phrase kNotYet{"Nie umiem", "Not yet", "Noch nicht", "Не знаю"};
inline constexpr Phrase kNewUser{"Nowy użytkownik", "New user", "Neuer Benutzer",
                                 "Новый пользователь"};
inline constexpr Phrase kNext{"Dalej", "Next", "Weiter", "Далее"};
}  // namespace say

}  // namespace tess::demo
