#pragma once
// Where the renderer reads its three pictures, and what becomes of them.
//
// Started by the host with a folder made for this run, it reads them there and always flies: a
// picture it cannot read is drawn plain, with no box, for nobody may be there to close one and
// the flight would stand still behind it at every idle period. The photograph of the user's
// desktop leaves the disk as soon as it is a texture; the host removes the rest of the folder
// when the run ends.
//
// Started alone, it looks in the agreed folder C:\t_wisp, which any signed-in account may make
// in C:\ and fill. So it reads there only a folder that is this user's own, and only pictures
// that are this user's own, each opened without following a link and read through the handle
// it was judged by. A folder that is someone else's, or a link, is not read at all: the flight
// goes on without pictures, as with a run folder that could not be made. Where there is no such
// folder the renderer tells of pictures it cannot read in a message box, leaves the files as
// they are, and ends when none of the three can be read, as it always did.
//
// Either way a picture is accepted only as what the host writes (flight/bitmap/run_picture.h),
// no larger than the screen: the larger of the virtual screen and the primary monitor's own mode,
// since the renderer may have switched the display to 1024 x 768 after the host photographed it.

#include "flight/scene/renderer_state.h"
#include "flight/scene/scene_platform.h"

namespace altostrat {

// Sets the state's capture folder and whether it flies without pictures from its options, and
// the platform's picture source, error report and the hook that deletes the desktop picture.
void UsePictureFolder(RendererState& state, ScenePlatform& platform);

}  // namespace altostrat
