#pragma once
// Where the renderer reads its three pictures, and what becomes of them.
//
// Started alone, it reads them in the agreed folder C:\t_wisp, tells of a picture it cannot read
// in a message box, leaves the files as they are, and ends when none of the three can be read.
// Started by the host with a folder made for this run, it reads them there and always flies: a
// picture it cannot read is drawn plain, with no box, for nobody may be there to close one and
// the flight would stand still behind it at every idle period. The photograph of the user's
// desktop leaves the disk as soon as it is a texture; the host removes the rest of the folder
// when the run ends.

#include "flight/scene/renderer_state.h"
#include "flight/scene/scene_platform.h"

namespace altostrat {

// Sets the state's capture folder and whether it flies without pictures from its options, and
// the platform's error report and the hook that deletes the desktop picture.
void UsePictureFolder(RendererState& state, ScenePlatform& platform);

}  // namespace altostrat
