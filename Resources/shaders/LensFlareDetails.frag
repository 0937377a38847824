#version 330 core
// Last lens-flare pass, at full size: the blurred ghosts and halo seen
// through the lens dirt and a starburst that turns with the camera.

uniform sampler2D gSampler;
uniform sampler2D gDirt;
uniform sampler2D gStarburst;
uniform mat3 gStarburstMatrix;

in vec2 vTexCoord;

out vec3 outColor;

const float kStarburstStrength = 0.7;

void main()
{
    vec3 flare = texture(gSampler, vTexCoord).rgb;
    if (flare == vec3(0.0))
    {
        outColor = vec3(0.0);
        return;
    }
    vec2 starUv = clamp((gStarburstMatrix * vec3(vTexCoord, 1.0)).xy, 0.0, 1.0);
    vec3 lens = texture(gDirt, vTexCoord).rgb + texture(gStarburst, starUv).rgb * kStarburstStrength;
    outColor = flare * lens;
}
