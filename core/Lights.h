#pragma once

#include <glm/glm.hpp>

struct BaseLight
{
    glm::vec3 Color = glm::vec3(0.0f);
    float AmbientIntensity = 0.0f;
    float DiffuseIntensity = 0.0f;
};

struct DirectionalLight
{
    BaseLight Base;
    glm::vec3 Direction = glm::vec3(0.0f); // the direction in which the light travels
};

struct Attenuation
{
    float Constant = 0.0f;
    float Linear = 0.0f;
    float Exp = 0.0f;
};

struct PointLight
{
    BaseLight Base;
    glm::vec3 Position = glm::vec3(0.0f);
    Attenuation Atten;
    bool ShadowMapEnabled = false;
    int ShadowMap = -1; // index into the scene's point shadow maps
};
