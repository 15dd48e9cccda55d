#pragma once
// The hidden service object of the course: the shared skin list and the two flags.
#include <QImage>
#include <QObject>
#include <string>

#include "controls/MyImageList.h"

namespace tess {

struct CourseState;
class PictureLoader;

class TForm5 : public QObject {
  Q_OBJECT
 public:
  explicit TForm5(PictureLoader& pictures, QObject* parent = nullptr);

  /// Reloads the 51 strips and the two flags for the current interface language.
  /// False with `error` set when a file could not be loaded.
  bool LoadSkins(const CourseState& state, std::string* error);

  TMyImageList MyImageList1;
  QImage Flaga_1;
  QImage Flaga_Tlum;

 private:
  PictureLoader& pictures_;
};

}  // namespace tess
