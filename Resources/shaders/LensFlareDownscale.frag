#version 330 core
// First lens-flare pass, at an eighth of the window: only light above the
// bias (which is negative) survives, scaled. Each output texel covers a block
// of the bright target (8 x 8 texels at the window's size); 4 x 4 bilinear
// taps, each the mean of the 2 x 2 texels around a corner between them, read
// the whole block, so a small bright source counts wherever it lies in it
// instead of flickering in and out as the camera moves. The bias is taken off
// each tap, so that a small source is not thinned out below it.

uniform sampler2D gSampler;
uniform float gSampleScale;
uniform float gSampleBias;

in vec2 vTexCoord;

out vec3 outColor;

const int kTapsAcross = 4;

void main()
{
    // The block's extent in texture coordinates: that of one output texel.
    vec2 block = fwidth(vTexCoord);
    vec3 sum = vec3(0.0);
    for (int y = 0; y < kTapsAcross; ++y)
    {
        for (int x = 0; x < kTapsAcross; ++x)
        {
            vec2 offset = (vec2(x, y) + 0.5 - 0.5 * float(kTapsAcross)) / float(kTapsAcross) * block;
            sum += max(texture(gSampler, vTexCoord + offset).rgb + vec3(gSampleBias), vec3(0.0));
        }
    }
    outColor = sum / float(kTapsAcross * kTapsAcross) * gSampleScale;
}
