#include <gtest/gtest.h>

#include <deque>
#include <sstream>

#include "app/gl_error.h"
#include "support/gl_context.h"

namespace {

std::string reportFor(std::deque<GLenum> codes) {
    std::ostringstream out;
    rtr::reportGlErrors(
        "L",
        [&codes]() -> GLenum {
            if (codes.empty())
                return GL_NO_ERROR;
            GLenum c = codes.front();
            codes.pop_front();
            return c;
        },
        out);
    return out.str();
}

TEST(GlErrorReport, NamedCodesGiveTwoLineBlocksAndUnnamedCodesOneLine) {
    EXPECT_EQ(reportFor({}), "");
    EXPECT_EQ(reportFor({GL_STACK_OVERFLOW}), "Error occured (L): 1283\n");
    EXPECT_EQ(reportFor({GL_OUT_OF_MEMORY}),
              "Error occured (L): 1285\n--> GL error detected: OUT_OF_MEMORY\n\n");
    EXPECT_EQ(reportFor({GL_INVALID_FRAMEBUFFER_OPERATION}),
              "Error occured (L): 1286\n GL error detected: INVALID_FRAMEBUFFER_OPERATION\n\n");
}

TEST(GlErrorReport, SeveralPendingCodesArePrintedInQueueOrder) {
    EXPECT_EQ(reportFor({GL_INVALID_VALUE, GL_INVALID_ENUM}),
              "Error occured (L): 1281\n--> GL error detected: INVALID_VALUE\n\n"
              "Error occured (L): 1280\n--> GL error detected: INVALID_ENUM\n\n");
}

// Real errors raised on a core context and read back through checkGlError. Mesa keeps a single
// pending error, so each is raised and checked on its own.
std::string checkAfter(void (*raise)()) {
    raise();
    testing::internal::CaptureStdout();
    rtr::checkGlError("General GL Error Checking");
    return testing::internal::GetCapturedStdout();
}

TEST(GlErrorReport, ReportsEachErrorARealContextRaises) {
    testsupport::GlContext context;
    EXPECT_EQ(checkAfter([] { glEnable(0xFFFF); }),
              "Error occured (General GL Error Checking): 1280\n"
              "--> GL error detected: INVALID_ENUM\n\n");
    EXPECT_EQ(checkAfter([] { glLineWidth(-1.0f); }),
              "Error occured (General GL Error Checking): 1281\n"
              "--> GL error detected: INVALID_VALUE\n\n");
    EXPECT_EQ(checkAfter([] {
                  glBindVertexArray(0);
                  glDrawArrays(GL_TRIANGLES, 0, 3);
              }),
              "Error occured (General GL Error Checking): 1282\n"
              "--> GL error detected: INVALID_OPERATION\n\n");
    EXPECT_EQ(checkAfter([] {
                  GLuint fbo = 0;
                  glGenFramebuffers(1, &fbo);
                  glBindFramebuffer(GL_FRAMEBUFFER, fbo);
                  glClear(GL_COLOR_BUFFER_BIT);  // incomplete: no attachment
                  glBindFramebuffer(GL_FRAMEBUFFER, 0);
                  glDeleteFramebuffers(1, &fbo);
              }),
              "Error occured (General GL Error Checking): 1286\n"
              " GL error detected: INVALID_FRAMEBUFFER_OPERATION\n\n");
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST(GlErrorReport, CheckOnCleanContextPrintsNothing) {
    testsupport::GlContext context;
    testing::internal::CaptureStdout();
    rtr::checkGlError("General GL Error Checking");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

}  // namespace
