#include "app/startup.h"

#include <GL/glew.h>
#include <GLFW/glfw3.h>

#include <iostream>

#include "app/gl_error.h"
#include "app/globals.h"
#include "util/window.h"

namespace rtr {

namespace {

void printGlString(GLenum name) {
    const GLubyte* text = glGetString(name);
    std::cout << (text ? reinterpret_cast<const char*>(text) : "") << std::endl;
}

void createWindowAndContext() {
    mainWindow = new util::Window("Lumavex - VORNE.X");
    glfwMakeContextCurrent(mainWindow->window);
    glfwSetInputMode(mainWindow->window, GLFW_CURSOR, GLFW_CURSOR_DISABLED);
    glfwSetCursorPos(mainWindow->window, 0.0, 0.0);
}

void loadGlEntryPoints() {
    glewExperimental = GL_TRUE;
    const GLenum glewResult = glewInit();
    printGlString(GL_RENDERER);
    printGlString(GL_VERSION);
    printGlString(GL_VENDOR);
    if (glewResult != GLEW_OK) {
        std::cout << "Failed to init glew: " << static_cast<unsigned>(glewResult) << std::endl;
    }
    // GLEW's experimental loading leaves a known INVALID_ENUM behind; report it here, not in
    // the first frame.
    checkGlError("Init GLEW-Problem");
}

void setFixedGlState() {
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    glEnable(GL_CULL_FACE);
    glViewport(0, 0, windowWidth, windowHeight);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
}

}  // namespace

void startUp() {
    createWindowAndContext();
    loadGlEntryPoints();
    setFixedGlState();
}

void shutDown() {
    delete mainWindow;
}

}  // namespace rtr
