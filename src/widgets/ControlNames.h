#pragma once
// The names screen readers hear for controls whose caption is drawn into a picture, in the
// interface languages the pictures come in (folders Lang_r\0 to 3: Polish, English, German,
// Russian). Windows name their controls again when they show, so a new language is heard too.
#include <QString>
#include <array>

class QWidget;

namespace tess {

/// One name in the order of the language folders, as UTF-8.
using ControlName = std::array<const char*, 4>;

/// The name in interface language `language`; Polish for a language without one.
QString NameIn(const ControlName& name, int language);
/// Makes it the accessible name of `control`.
void NameControl(QWidget& control, const ControlName& name, int language);

namespace names {
inline constexpr ControlName kOk{"OK", "OK", "OK", "OK"};
inline constexpr ControlName kClose{"Zamknij", "Close", "Schließen", "Закрыть"};
inline constexpr ControlName kCancel{"Anuluj", "Cancel", "Abbrechen", "Отмена"};
inline constexpr ControlName kHelp{"Pomoc", "Help", "Hilfe", "Помощь"};
inline constexpr ControlName kHints{"Wskazówki", "Hints", "Hinweise", "Подсказки"};
inline constexpr ControlName kUp{"W górę", "Up", "Nach oben", "Вверх"};
inline constexpr ControlName kDown{"W dół", "Down", "Nach unten", "Вниз"};
inline constexpr ControlName kCheck{"Sprawdź", "Check", "Prüfen", "Проверить"};
inline constexpr ControlName kNext{"Dalej", "Next", "Weiter", "Далее"};
inline constexpr ControlName kPlay{"Odtwórz", "Play", "Abspielen", "Воспроизвести"};

// The login windows.
inline constexpr ControlName kChooseYourName{
    "Wybierz swoje imię z listy", "Choose your name from the list", "Wählen Sie Ihren Namen aus",
    "Выберите своё имя из списка"};
inline constexpr ControlName kTypeYourName{"Wpisz swoje imię lub pseudonim",
                                           "Type your name or a nickname",
                                           "Ihr Name oder Spitzname", "Введите имя или псевдоним"};
inline constexpr ControlName kNewUser{"Nowy użytkownik", "New user", "Neuer Benutzer",
                                      "Новый пользователь"};

// The main window.
inline constexpr ControlName kExercises{"Ćwiczenia", "Exercises", "Übungen", "Упражнения"};
inline constexpr ControlName kVideos{"Filmy", "Videos", "Videos", "Видео"};
inline constexpr ControlName kSentences{"Zdania", "Sentences", "Sätze", "Предложения"};
inline constexpr ControlName kRecordings{"Nagrania", "Recordings", "Aufnahmen", "Записи"};
inline constexpr ControlName kConversations{"Rozmowy", "Conversations", "Gespräche", "Диалоги"};
inline constexpr ControlName kResults{"Wyniki", "Results", "Ergebnisse", "Результаты"};
inline constexpr ControlName kAuthors{"Autorzy kursu", "Course authors", "Autoren des Kurses",
                                      "Авторы курса"};
inline constexpr ControlName kWebsite{"Strona kursu", "Course website", "Kurs-Webseite",
                                      "Сайт курса"};
inline constexpr ControlName kOptions{"Opcje", "Options", "Optionen", "Настройки"};

// The choosers: the lists and the words of their legends.
inline constexpr ControlName kSections{"Działy", "Sections", "Bereiche", "Разделы"};
inline constexpr ControlName kChooseFromList{"Wybierz z listy", "Choose from the list",
                                             "Aus der Liste wählen", "Выберите из списка"};
inline constexpr ControlName kLevel{"poziom", "level", "Stufe", "уровень"};
inline constexpr ControlName kDone{"zrobione", "done", "erledigt", "выполнено"};
inline constexpr ControlName kNotDoneYet{"jeszcze nie", "not yet", "noch offen", "ещё нет"};
inline constexpr ControlName kRecordedText{"nagrany tekst", "recorded text", "Hörtext",
                                           "аудиотекст"};
inline constexpr ControlName kConversation{"rozmowa", "conversation", "Gespräch", "диалог"};
inline constexpr ControlName kPictures{"obrazki", "pictures", "Bilder", "картинки"};
inline constexpr ControlName kSentenceWords{"zdania", "sentences", "Sätze", "предложения"};
inline constexpr ControlName kPackage{"pakiet zdań", "sentence package", "Satzpaket",
                                      "пакет предложений"};
inline constexpr ControlName kPictureExercise{"ćwiczenie z obrazkami", "picture exercise",
                                              "Bildübung", "упражнение с картинками"};
}  // namespace names

}  // namespace tess
