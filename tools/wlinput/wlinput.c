/*
 * glimmora-wlinput: drives the pointer of a wlroots compositor (sway) for the
 * tests, through ONE virtual pointer kept for the whole run. A pointer made
 * per event would be a new device each time, and a press and its release on
 * two devices do not make a drag.
 *
 * Commands, one a line on standard input:
 *   extent W H        the size of the output layout that positions refer to
 *                     (logical pixels; needed before the first move)
 *   move X Y          puts the pointer at X,Y of the layout
 *   press [B]         presses button B: left (default), right, middle or 1-3
 *   release [B]       releases it
 *   click [B]         press and release
 * Every line is answered on standard output, once the compositor has handled
 * it: "ok", or "error: ..." for a line that was not understood. "ready" comes
 * first, once the pointer exists. End of input ends the program.
 */
#define _POSIX_C_SOURCE 200809L

#include "wlr-virtual-pointer-unstable-v1-client-protocol.h"

#include <linux/input-event-codes.h>
#include <wayland-client.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

static struct zwlr_virtual_pointer_manager_v1* manager;

static void registry_global(void* data, struct wl_registry* registry, uint32_t name, const char* interface,
                            uint32_t version)
{
    (void)data;
    (void)version;
    if (strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0)
        manager = wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1);
}

static void registry_global_remove(void* data, struct wl_registry* registry, uint32_t name)
{
    (void)data;
    (void)registry;
    (void)name;
}

static const struct wl_registry_listener registry_listener = {registry_global, registry_global_remove};

static uint32_t now_ms(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (uint32_t)(ts.tv_sec * 1000 + ts.tv_nsec / 1000000);
}

/* The evdev code of a button word, or 0. */
static uint32_t button_code(const char* word)
{
    if (word == NULL || strcmp(word, "left") == 0 || strcmp(word, "1") == 0)
        return BTN_LEFT;
    if (strcmp(word, "right") == 0 || strcmp(word, "3") == 0)
        return BTN_RIGHT;
    if (strcmp(word, "middle") == 0 || strcmp(word, "2") == 0)
        return BTN_MIDDLE;
    return 0;
}

int main(void)
{
    struct wl_display* display = wl_display_connect(NULL);
    if (display == NULL) {
        fprintf(stderr, "glimmora-wlinput: cannot connect to the Wayland display\n");
        return 1;
    }
    struct wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registry_listener, NULL);
    wl_display_roundtrip(display);
    if (manager == NULL) {
        fprintf(stderr, "glimmora-wlinput: the compositor has no zwlr_virtual_pointer_manager_v1\n");
        return 1;
    }
    struct zwlr_virtual_pointer_v1* pointer = zwlr_virtual_pointer_manager_v1_create_virtual_pointer(manager, NULL);
    if (wl_display_roundtrip(display) < 0) {
        fprintf(stderr, "glimmora-wlinput: the compositor refused the virtual pointer\n");
        return 1;
    }
    setvbuf(stdout, NULL, _IOLBF, 0);
    printf("ready\n");

    unsigned width = 0, height = 0;
    char line[256];
    while (fgets(line, sizeof line, stdin) != NULL) {
        char* save = NULL;
        const char* command = strtok_r(line, " \t\r\n", &save);
        const char* a = strtok_r(NULL, " \t\r\n", &save);
        const char* b = strtok_r(NULL, " \t\r\n", &save);
        const char* error = NULL;
        if (command == NULL) {
            error = "empty line";
        } else if (strcmp(command, "extent") == 0) {
            const long w = a ? strtol(a, NULL, 10) : 0, h = b ? strtol(b, NULL, 10) : 0;
            if (w <= 0 || h <= 0)
                error = "extent needs a width and a height";
            else
                width = (unsigned)w, height = (unsigned)h;
        } else if (strcmp(command, "move") == 0) {
            const long x = a ? strtol(a, NULL, 10) : -1, y = b ? strtol(b, NULL, 10) : -1;
            if (width == 0)
                error = "no extent given yet";
            else if (a == NULL || b == NULL || x < 0 || y < 0 || x > (long)width || y > (long)height)
                error = "move needs a position inside the extent";
            else {
                zwlr_virtual_pointer_v1_motion_absolute(pointer, now_ms(), (uint32_t)x, (uint32_t)y, width, height);
                zwlr_virtual_pointer_v1_frame(pointer);
            }
        } else if (strcmp(command, "press") == 0 || strcmp(command, "release") == 0 || strcmp(command, "click") == 0) {
            const uint32_t code = button_code(a);
            if (code == 0)
                error = "unknown button";
            else {
                if (command[0] != 'r') {
                    zwlr_virtual_pointer_v1_button(pointer, now_ms(), code, WL_POINTER_BUTTON_STATE_PRESSED);
                    zwlr_virtual_pointer_v1_frame(pointer);
                }
                if (command[0] != 'p') {
                    zwlr_virtual_pointer_v1_button(pointer, now_ms(), code, WL_POINTER_BUTTON_STATE_RELEASED);
                    zwlr_virtual_pointer_v1_frame(pointer);
                }
            }
        } else {
            error = "unknown command";
        }
        if (error != NULL) {
            printf("error: %s\n", error);
            continue;
        }
        /* Answered only once the compositor has taken the events in. */
        if (wl_display_roundtrip(display) < 0) {
            fprintf(stderr, "glimmora-wlinput: the connection to the compositor broke\n");
            return 1;
        }
        printf("ok\n");
    }
    zwlr_virtual_pointer_v1_destroy(pointer);
    zwlr_virtual_pointer_manager_v1_destroy(manager);
    wl_display_roundtrip(display);
    wl_display_disconnect(display);
    return 0;
}
