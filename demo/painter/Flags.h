#pragma once
// Flags of the course language and of the translation language, drawn to any size.
#include <QPainter>
#include <QRectF>

#include "Course.h"

namespace tess::demo {

void DrawUnitedKingdomFlag(QPainter& p, const QRectF& field);
void DrawGermanFlag(QPainter& p, const QRectF& field);
void DrawFrenchFlag(QPainter& p, const QRectF& field);
void DrawPolishFlag(QPainter& p, const QRectF& field);
/// The flag of the course language.
void DrawCourseFlag(QPainter& p, const QRectF& field, CourseLanguage language);

}  // namespace tess::demo
