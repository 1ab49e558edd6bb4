// Conversion of an arc given the old way (bounding box, start and end radial, drawn
// counter-clockwise) into the start angle and span that Qt's arc and pie calls take.
#pragma once

// Angles in sixteenths of a degree, as QPainter::drawArc and drawPie take them: 0 at three
// o'clock, positive counter-clockwise as seen on the screen.
struct QtArcAngles {
    int nStartAngle;  // 0 .. 5759
    int nSpanAngle;   // 1 .. 5760 for a drawn arc; 0 only for an arc too short to show
};

// The arc of the ellipse inscribed in the box (dLeft, dTop)-(dRight, dBottom) that starts
// where the ray from the box's centre through (dStartX, dStartY) meets the ellipse and runs
// counter-clockwise to where the ray through (dEndX, dEndY) meets it. The old interface draws
// the whole ellipse when both rays coincide; so does the result (span 5760).
//
// All coordinates are in a y-down space (device pixels), so counter-clockwise means as seen
// on the screen. The rays' lengths do not matter, only their directions. For a box that is
// not square the angles are Qt's, which are parametric: Qt places angle t at
// (cx + a cos t, cy - b sin t) for half axes a and b, which is not on the ray at angle t.
QtArcAngles ArcAnglesFromRadials(double dLeft, double dTop, double dRight, double dBottom,
                                 double dStartX, double dStartY, double dEndX, double dEndY);
