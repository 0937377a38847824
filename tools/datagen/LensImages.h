#pragma once

class CDatasetWriter;

// The lens-flare images: the colour ramp that tints the ghosts (read along
// s), the dirt on the lens and the starburst around bright lights.
void WriteLensImages(CDatasetWriter& writer);
