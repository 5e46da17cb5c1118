// A new curve acquired from a picture: the picture file is asked for (or
// given, or pasted), the acquisition window runs on a working copy, and the
// validated points become a new curve in one undo step.
#pragma once

#include <QImage>
#include <QString>

namespace ordinax::shell {

class CMainFrame;
class DiagramEdit;

// A new curve from a picture file; the file is asked for when `picture` is
// empty. True when the curve was added.
bool runPictureAcquisition(CMainFrame& frame, const QString& picture = {});

// The same from a picture in memory (pasted).
bool runPictureAcquisitionOfImage(CMainFrame& frame, const QImage& picture);

// Fills curve `curve` of a caller's working copy (a new curve being made)
// from a picture file, asked for when empty; no commit. True when validated.
bool runPictureAcquisitionInto(CMainFrame& frame, DiagramEdit& edit, int curve, const QString& picture = {});

}  // namespace ordinax::shell
