#pragma once

// Colours of kletka20's block objects and their silhouettes.

#include <QColor>

namespace zorna::assets::sc::kletka20 {

inline const QColor kTopFace(120, 190, 255);
inline const QColor kFrontFace(60, 130, 220);
inline const QColor kRightFace(30, 80, 160);
inline const QColor kFloorLine(150, 150, 150);
inline const QColor kFloor(225, 225, 225);
inline const QColor kEdge(20, 30, 60);
inline const QColor kGridLine(200, 200, 200);
inline const QColor kSilhouetteEdge(20, 20, 20);
inline const QColor kSilhouette(70, 70, 70);
inline const QColor kLabel(0, 0, 160);
inline const QColor kMainFrame(0, 0, 192);

} // namespace zorna::assets::sc::kletka20
