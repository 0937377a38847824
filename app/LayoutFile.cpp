#include "app/LayoutFile.h"

#include <filesystem>
#include <system_error>

bool LayoutFileUsable(const char* path)
{
    if (path == nullptr)
        return false;
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    return status.type() == std::filesystem::file_type::not_found || status.type() == std::filesystem::file_type::regular;
}
