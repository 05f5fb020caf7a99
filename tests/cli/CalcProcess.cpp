#include "tests/cli/CalcProcess.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>

extern char** environ;

namespace {

// A file that one stream of the program goes to.
class Capture {
public:
    Capture()
    {
        char path[] = "/tmp/kortools-calc-test-XXXXXX";
        const int fd = ::mkstemp(path);
        EXPECT_GE(fd, 0);
        if (fd >= 0)
            ::close(fd);
        m_path = path;
    }
    ~Capture() { ::unlink(m_path.c_str()); }
    const std::string& Path() const { return m_path; }
    std::string Read() const
    {
        std::ifstream in(m_path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

private:
    std::string m_path;
};

CalcRun Spawn(const std::vector<std::string>& argv, const std::vector<std::string>& environment)
{
    std::vector<std::string> env;
    for (char** entry = environ; *entry; ++entry) {
        const std::string variable = *entry;
        const std::string name = variable.substr(0, variable.find('='));
        bool replaced = false;
        for (const std::string& added : environment)
            replaced = replaced || added.substr(0, added.find('=')) == name;
        if (!replaced)
            env.push_back(variable);
    }
    env.insert(env.end(), environment.begin(), environment.end());

    std::vector<char*> args;
    for (const std::string& arg : argv)
        args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    std::vector<char*> envp;
    for (const std::string& variable : env)
        envp.push_back(const_cast<char*>(variable.c_str()));
    envp.push_back(nullptr);

    Capture out, err;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out.Path().c_str(), O_WRONLY | O_TRUNC, 0);
    posix_spawn_file_actions_addopen(&actions, 2, err.Path().c_str(), O_WRONLY | O_TRUNC, 0);
    pid_t pid = 0;
    CalcRun run;
    const int spawned = ::posix_spawn(&pid, args[0], &actions, nullptr, args.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    EXPECT_EQ(spawned, 0) << args[0] << ": " << std::strerror(spawned);
    if (spawned != 0)
        return run;
    int status = 0;
    ::waitpid(pid, &status, 0);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = out.Read();
    run.err = err.Read();
    return run;
}

} // namespace

std::string CalcProgram()
{
    return std::string(KORTOOLS_CALC_STAGE) + "/bin/kortools-calc";
}

CalcRun RunCalc(const std::vector<std::string>& args, const std::vector<std::string>& environment)
{
    std::vector<std::string> argv{CalcProgram()};
    argv.insert(argv.end(), args.begin(), args.end());
    return Spawn(argv, environment);
}

CalcRun RunProgram(const std::vector<std::string>& argv, const std::vector<std::string>& environment)
{
    return Spawn(argv, environment);
}

CalcRun RunCalcLine(const std::string& line, const std::vector<std::string>& environment)
{
    const std::string name = "kortools-calc";
    EXPECT_EQ(line.compare(0, name.size(), name), 0) << line;
    const std::string command = "'" + CalcProgram() + "'" + line.substr(name.size());
    return Spawn({"/bin/sh", "-c", command}, environment);
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

const nlohmann::json& JsonVar(const nlohmann::json& object, const std::string& name, const char* member)
{
    static const nlohmann::json missing;
    for (const nlohmann::json& variable : object.at("variables"))
        if (variable.at("name") == name)
            return variable.at(member);
    ADD_FAILURE() << "no variable " << name;
    return missing;
}
