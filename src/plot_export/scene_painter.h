// Paints a PlotScene with QPainter, on the screen or into a picture file.
// The scene's picture units become device units; its y axis, which points
// up, is turned to the device's, which points down.
#pragma once

#include <QPainter>

#include "plot/plot_scene.h"

namespace ombrel {

// Dots: the error figures as their rings of dots, as the graphics window
// shows them. Curves: each figure as one smooth ellipse, for files that are
// printed or enlarged.
enum class FigureStyle { Dots, Curves };

// The colour of a scene element.
QColor PlotQColor(PlotColour colour);

// Paints the lines, dots, texts and figures of the scene on a picture of
// width x height units (> 0), texts sized by the unit width / 120.
// Elements with a coordinate that is not finite are left out.
void PaintPlotScene(QPainter& painter, const PlotScene& scene, double width, double height,
                    FigureStyle style);

}  // namespace ombrel
