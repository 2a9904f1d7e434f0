#pragma once

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

// Points QV_REGISTRY_FILE at a file in a fresh temporary folder for the life of the object.
class TempRegistry {
public:
    TempRegistry()
    {
        char pattern[] = "/tmp/qv-registry-XXXXXX";
        m_folder = ::mkdtemp(pattern);
        if (const char* old = std::getenv("QV_REGISTRY_FILE"))
            m_old = old;
        Use(m_folder + "/registry.txt");
    }
    ~TempRegistry()
    {
        if (m_old)
            ::setenv("QV_REGISTRY_FILE", m_old->c_str(), 1);
        else
            ::unsetenv("QV_REGISTRY_FILE");
        std::error_code ec;
        std::filesystem::remove_all(m_folder, ec);
    }

    void Use(const std::string& path)
    {
        m_path = path;
        ::setenv("QV_REGISTRY_FILE", path.c_str(), 1);
    }
    const std::string& folder() const { return m_folder; }
    const std::string& path() const { return m_path; }

private:
    std::string m_folder;
    std::string m_path;
    std::optional<std::string> m_old;
};
