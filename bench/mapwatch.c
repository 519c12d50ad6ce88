/* Start-up probe for bench/startup: runs a program and reports how long it
 * took until its first top-level window was mapped on the X display, its
 * resident memory a set time later, and how often its threads woke up in a
 * further idle spell. Prints one line: "<ms to map> <resident KiB> <wakeups>".
 * Usage: mapwatch SETTLE_MS IDLE_MS program [arguments...] */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <dirent.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void) {
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

static long status_field(pid_t pid, const char* task, const char* field) {
    char path[128];
    if (task)
        snprintf(path, sizeof path, "/proc/%d/task/%s/status", (int)pid, task);
    else
        snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE* f = fopen(path, "r");
    if (!f)
        return -1;
    char line[256];
    long value = -1;
    size_t n = strlen(field);
    while (fgets(line, sizeof line, f)) {
        if (strncmp(line, field, n) == 0 && line[n] == ':') {
            value = strtol(line + n + 1, NULL, 10);
            break;
        }
    }
    fclose(f);
    return value;
}

/* Voluntary and involuntary context switches of every thread together. */
static long switches(pid_t pid) {
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/task", (int)pid);
    DIR* dir = opendir(path);
    if (!dir)
        return -1;
    long total = 0;
    struct dirent* e;
    while ((e = readdir(dir)) != NULL) {
        if (e->d_name[0] == '.')
            continue;
        long v = status_field(pid, e->d_name, "voluntary_ctxt_switches");
        long i = status_field(pid, e->d_name, "nonvoluntary_ctxt_switches");
        total += (v > 0 ? v : 0) + (i > 0 ? i : 0);
    }
    closedir(dir);
    return total;
}

int main(int argc, char** argv) {
    if (argc < 4) {
        fprintf(stderr, "usage: mapwatch SETTLE_MS IDLE_MS program [arguments...]\n");
        return 2;
    }
    int settle = atoi(argv[1]);
    int idle = atoi(argv[2]);
    Display* dpy = XOpenDisplay(NULL);
    if (!dpy) {
        fprintf(stderr, "mapwatch: no X display\n");
        return 2;
    }
    XSelectInput(dpy, DefaultRootWindow(dpy), SubstructureNotifyMask);
    XSync(dpy, True);

    double start = now_ms();
    pid_t pid = fork();
    if (pid == 0) {
        close(ConnectionNumber(dpy));
        execvp(argv[3], argv + 3);
        _exit(127);
    }

    double mapped = -1;
    int fd = ConnectionNumber(dpy);
    while (mapped < 0 && now_ms() - start < 20000) {
        while (XPending(dpy)) {
            XEvent ev;
            XNextEvent(dpy, &ev);
            if (ev.type == MapNotify && !ev.xmap.override_redirect) {
                mapped = now_ms() - start;
                break;
            }
        }
        if (mapped >= 0)
            break;
        fd_set set;
        FD_ZERO(&set);
        FD_SET(fd, &set);
        struct timeval tv = {0, 20000};
        select(fd + 1, &set, NULL, NULL, &tv);
        if (waitpid(pid, NULL, WNOHANG) == pid) {
            fprintf(stderr, "mapwatch: %s ended before showing a window\n", argv[3]);
            return 1;
        }
    }
    if (mapped < 0) {
        fprintf(stderr, "mapwatch: no window within 20 s\n");
        kill(pid, SIGKILL);
        return 1;
    }
    usleep((useconds_t)settle * 1000);
    long rss = status_field(pid, NULL, "VmRSS");
    long before = switches(pid);
    usleep((useconds_t)idle * 1000);
    long wakeups = switches(pid) - before;
    printf("%.1f %ld %ld\n", mapped, rss, wakeups);
    kill(pid, SIGTERM);
    waitpid(pid, NULL, 0);
    XCloseDisplay(dpy);
    return 0;
}
