#pragma once

#include <functional>
#include <sys/wait.h>
#include <unistd.h>

// Another copy of the program, in a process of its own that shares the
// settings file: it does its start at once, and its end when Finish says so.
// Finish returns its exit code (the end's result), or 128 + the signal.
class TOtherCopy {
public:
  TOtherCopy(const std::function<void()>& atStart, const std::function<int()>& atEnd)
  {
    if (pipe(ToChild) != 0 || pipe(FromChild) != 0)
      return;
    Child = fork();
    if (Child == 0) {
      atStart();
      char signal = 's';
      (void)!write(FromChild[1], &signal, 1);
      (void)!read(ToChild[0], &signal, 1);
      _exit(atEnd());
    }
    char started = 0;
    (void)!read(FromChild[0], &started, 1);
  }
  ~TOtherCopy()
  {
    if (Child > 0 && !Finished)
      Finish();
    for (int fd : { ToChild[0], ToChild[1], FromChild[0], FromChild[1] })
      if (fd >= 0)
        close(fd);
  }
  TOtherCopy(const TOtherCopy&) = delete;
  TOtherCopy& operator=(const TOtherCopy&) = delete;

  int Finish()
  {
    if (Child <= 0)
      return -1;
    Finished = true;
    const char go = 'e';
    (void)!write(ToChild[1], &go, 1);
    int status = 0;
    waitpid(Child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }

private:
  int ToChild[2] { -1, -1 };
  int FromChild[2] { -1, -1 };
  pid_t Child = -1;
  bool Finished = false;
};
