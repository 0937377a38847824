#version 330 core
// Last lens-flare pass, at full size: the blurred ghosts and halo seen
// through the lens dirt and a starburst that turns with the camera.

uniform sampler2D gSampler;
uniform sampler2D gDirt;
uniform sampler2D gStarburst;
uniform mat3 gStarburstMatrix;

in vec2 vTexCoord;

out vec3 outColor;

#include "texelAt.glsl"
#include "colourCurve.glsl"

// Clean glass passes this much of the flare; the dirt specks and the
// starburst's rays add to it.
const float kClearGlass = 0.35;
const float kDirtStrength = 2.0;
const float kStarburstStrength = 1.5;

void main()
{
    vec3 flare = texture(gSampler, vTexCoord).rgb;
    vec2 starUv = clamp((gStarburstMatrix * vec3(vTexCoord, 1.0)).xy, 0.0, 1.0);
    // The dirt is soft specks: its nearest texel is close enough. Both images
    // are display colours, like every image the frame reads.
    vec3 lens = vec3(kClearGlass) + SrgbToLinear(TexelAt(gDirt, vTexCoord)) * kDirtStrength +
                SrgbToLinear(texture(gStarburst, starUv).rgb) * kStarburstStrength;
    outColor = flare * lens;
}
