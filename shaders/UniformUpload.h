#pragma once

#include <GL/glew.h>

#include <glm/glm.hpp>
#include <string>

#include "core/Matrix4.h"

class CShaderProgram;

// Uploads to the current program by registered name; a name the program does
// not have resolves to -1, which OpenGL ignores. Matrices are row-major and
// go up with the transpose flag set.
void SetUniform(const CShaderProgram& program, const std::string& name, GLint value);
void SetUniform(const CShaderProgram& program, const std::string& name, float value);
void SetUniform(const CShaderProgram& program, const std::string& name, const glm::vec2& value);
void SetUniform(const CShaderProgram& program, const std::string& name, const glm::vec3& value);
void SetUniform(const CShaderProgram& program, const std::string& name, const glm::vec4& value);
void SetUniform(const CShaderProgram& program, const std::string& name, const Matrix4& value);
// A glm 3x3 matrix goes up as it is stored: column-major, not transposed.
void SetUniform(const CShaderProgram& program, const std::string& name, const glm::mat3& value);

// The active camera's view matrix (identity while no camera is installed).
Matrix4 CameraView();
// projection x camera view x model, from the application's camera and projection.
Matrix4 CameraMVP(const Matrix4& model);
