#pragma once

#include <GL/glew.h>

#include "scene/PointShadowKey.h"

// Omnidirectional shadow of one point light: a cube map holding, per texel,
// the distance from the light to the nearest caster, rendered face by face.
// The side of the square cube faces for the shadow-map size setting: a
// width and a height that differ give faces as wide as the larger of the two.
int CubeFaceSize(int width, int height);

class CPointShadowMap
{
public:
    // True when the framebuffer is complete; it is left bound either way.
    bool Init(int width, int height);
    // Attaches one cube face as the colour target (face 0..5 in cube-map order).
    void BindFaceForWriting(int face);
    // Frees the framebuffer, the depth texture and the cube, each when made.
    void Release();

    GLuint fbo = 0;
    GLuint cubeMap = 0;
    GLuint depthTexture = 0;
    // The faces' size since Init; 0 when there are none.
    int width = 0, height = 0;
    // What the cube's distances were last drawn for; empty until then.
    PointShadowKey drawnFor;
};
