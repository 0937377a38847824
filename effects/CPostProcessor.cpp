#include "effects/CPostProcessor.h"

#include <GL/glew.h>

#include "app/CApplication.h"

void CPostProcessor::Init()
{
    initialized = true;
}

void CPostProcessor::BeginScenePass()
{
    const CApplication& app = CApplication::GetInstance();
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glViewport(0, 0, app.width, app.height);
    glCullFace(GL_BACK);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
}

void CPostProcessor::Apply()
{
    glDisable(GL_DEPTH_TEST);
}

void CPostProcessor::Destroy()
{
    initialized = false;
}
