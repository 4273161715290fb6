// The terminal program without Qt hands a run that asks for a picture
// (--grafico) to its sibling built with Qt. Loading Qt's libraries costs some
// 30 ms of start-up, several times a whole adjustment of a usual network, so
// only the runs that draw pay it.
#pragma once

namespace ombrel {

// The sibling program, in the folder of the running one.
inline constexpr const char* kPictureProgram = "ombrel-cli-graficos";

// When argv (ending in a null pointer) holds "--grafico", replaces this
// process by kPictureProgram from the folder of the running executable, with
// the same arguments, before anything is read or written. Returns only when
// there is nothing to hand over or the sibling cannot be started; the run
// then goes on here and says at its end that it cannot draw.
void HandOverPictureRun(char** argv);

}  // namespace ombrel
