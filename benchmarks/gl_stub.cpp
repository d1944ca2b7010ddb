#include "gl_stub.hpp"

#include <GL/gl.h>
#include <GL/glu.h>

namespace {

std::uint64_t calls = 0;
GLuint nextName = 1;

}  // namespace

std::uint64_t stubGlCalls()
{
    return calls;
}

// The declarations of gl.h make a signature slip a compile error. The build checks that the
// programs using this file leave no GL call undefined, so a call added to the game needs a line here.
#define FEZZLE_GL_STUB(name, parameters)                                                                               \
    extern "C" void GLAPIENTRY name parameters                                                                         \
    {                                                                                                                  \
        ++calls;                                                                                                       \
    }

FEZZLE_GL_STUB(glBegin, (GLenum))
FEZZLE_GL_STUB(glEnd, ())
FEZZLE_GL_STUB(glBindTexture, (GLenum, GLuint))
FEZZLE_GL_STUB(glBlendFunc, (GLenum, GLenum))
FEZZLE_GL_STUB(glCallLists, (GLsizei, GLenum, const GLvoid*))
FEZZLE_GL_STUB(glClear, (GLbitfield))
FEZZLE_GL_STUB(glClearColor, (GLclampf, GLclampf, GLclampf, GLclampf))
FEZZLE_GL_STUB(glColor3f, (GLfloat, GLfloat, GLfloat))
FEZZLE_GL_STUB(glColor4f, (GLfloat, GLfloat, GLfloat, GLfloat))
FEZZLE_GL_STUB(glColor3ub, (GLubyte, GLubyte, GLubyte))
FEZZLE_GL_STUB(glColor4ub, (GLubyte, GLubyte, GLubyte, GLubyte))
FEZZLE_GL_STUB(glDeleteLists, (GLuint, GLsizei))
FEZZLE_GL_STUB(glDeleteTextures, (GLsizei, const GLuint*))
FEZZLE_GL_STUB(glDepthFunc, (GLenum))
FEZZLE_GL_STUB(glDisable, (GLenum))
FEZZLE_GL_STUB(glEnable, (GLenum))
FEZZLE_GL_STUB(glEndList, ())
FEZZLE_GL_STUB(glNewList, (GLuint, GLenum))
FEZZLE_GL_STUB(glFinish, ())
FEZZLE_GL_STUB(glFlush, ())
FEZZLE_GL_STUB(glHint, (GLenum, GLenum))
FEZZLE_GL_STUB(glLineWidth, (GLfloat))
FEZZLE_GL_STUB(glPointSize, (GLfloat))
FEZZLE_GL_STUB(glListBase, (GLuint))
FEZZLE_GL_STUB(glLoadIdentity, ())
FEZZLE_GL_STUB(glMatrixMode, (GLenum))
FEZZLE_GL_STUB(glOrtho, (GLdouble, GLdouble, GLdouble, GLdouble, GLdouble, GLdouble))
FEZZLE_GL_STUB(glPushMatrix, ())
FEZZLE_GL_STUB(glPopMatrix, ())
FEZZLE_GL_STUB(glRotatef, (GLfloat, GLfloat, GLfloat, GLfloat))
FEZZLE_GL_STUB(glScalef, (GLfloat, GLfloat, GLfloat))
FEZZLE_GL_STUB(glTranslatef, (GLfloat, GLfloat, GLfloat))
FEZZLE_GL_STUB(glTranslated, (GLdouble, GLdouble, GLdouble))
FEZZLE_GL_STUB(glTexCoord2f, (GLfloat, GLfloat))
FEZZLE_GL_STUB(glTexImage2D, (GLenum, GLint, GLint, GLsizei, GLsizei, GLint, GLenum, GLenum, const GLvoid*))
FEZZLE_GL_STUB(glTexParameteri, (GLenum, GLenum, GLint))
FEZZLE_GL_STUB(glVertex2f, (GLfloat, GLfloat))
FEZZLE_GL_STUB(glVertex2i, (GLint, GLint))
FEZZLE_GL_STUB(glVertex3f, (GLfloat, GLfloat, GLfloat))
FEZZLE_GL_STUB(glViewport, (GLint, GLint, GLsizei, GLsizei))
FEZZLE_GL_STUB(glPixelStorei, (GLenum, GLint))
FEZZLE_GL_STUB(glReadBuffer, (GLenum))
FEZZLE_GL_STUB(glReadPixels, (GLint, GLint, GLsizei, GLsizei, GLenum, GLenum, GLvoid*))
FEZZLE_GL_STUB(gluPerspective, (GLdouble, GLdouble, GLdouble, GLdouble))

extern "C" void GLAPIENTRY glGenTextures(GLsizei count, GLuint* names)
{
    ++calls;
    for (GLsizei i = 0; i < count; ++i) {
        names[i] = nextName++;
    }
}

extern "C" GLuint GLAPIENTRY glGenLists(GLsizei range)
{
    ++calls;
    const GLuint first = nextName;
    nextName += static_cast<GLuint>(range);
    return first;
}

extern "C" GLenum GLAPIENTRY glGetError()
{
    ++calls;
    return GL_NO_ERROR;
}

// Names the stub handed out are live; it never takes one back.
extern "C" GLboolean GLAPIENTRY glIsTexture(GLuint name)
{
    ++calls;
    return name != 0 && name < nextName ? GL_TRUE : GL_FALSE;
}

extern "C" GLboolean GLAPIENTRY glIsList(GLuint name)
{
    ++calls;
    return name != 0 && name < nextName ? GL_TRUE : GL_FALSE;
}
