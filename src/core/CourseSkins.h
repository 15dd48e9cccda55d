#pragma once
// The hidden service object of the course: the shared skin list and the two flags.
#include <QImage>
#include <QObject>
#include <string>

#include "widgets/SkinStrips.h"

namespace tess {

struct CourseState;
class PictureLoader;

class CourseSkins : public QObject {
  Q_OBJECT
 public:
  explicit CourseSkins(PictureLoader& pictures, QObject* parent = nullptr);

  /// Reloads the 51 strips for the current interface language and checks the two flags.
  /// False with `error` set when a file could not be loaded.
  bool LoadSkins(const CourseState& state, std::string* error);

  SkinStrips MyImageList1;

 private:
  PictureLoader& pictures_;
};

}  // namespace tess
