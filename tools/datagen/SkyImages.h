#pragma once

class CDatasetWriter;

// The dynamic sky's two look-up maps, baked from a single-scattering model:
//
// horizonmap.png: sky colour without the sun's glow. s = height of the sun
//   (the y of the unit vector towards it) and t = height of the view
//   direction, both mapped from [-1, 1] to [0, 1]; averaged around the
//   horizon, so it is the colour of the sky at that height away from the sun.
// sunmap.png: the glow around the sun, to be added. s = height of the sun as
//   above, t = cosine of the angle between the view direction and the sun,
//   mapped from [-1, 1] to [0, 1].
//
// Both are clamped at their edges by the sky, which reads them with the sun
// direction it is given (the light travels the other way).
void WriteDynamicSkyMaps(CDatasetWriter& writer);

// The six faces of the fallback cube sky: a clear afternoon over snow.
// Each face is a conventional cube-map face for the world direction its name
// gives (top = +y, bottom = -y, right = +x, left = -x, back = +z,
// front = -z). The loader uploads rows bottom first and swaps the y faces,
// so the cube-map sky samples with (x, -y, z).
void WriteCubeSkyFaces(CDatasetWriter& writer);
