// 4 by 4 matrices for the web's canvas, which has no matrix stack of OpenGL's
// own: column after column, as WebGL takes them, made and multiplied as
// OpenGL 1 makes its own.
#pragma once

#include <cmath>

struct Matrix {
    float m[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

    // This matrix followed by `right` applied first (this * right).
    Matrix operator*(const Matrix &right) const {
        Matrix product;
        for (int column = 0; column < 4; ++column)
            for (int row = 0; row < 4; ++row) {
                float sum = 0;
                for (int k = 0; k < 4; ++k) sum += m[k * 4 + row] * right.m[column * 4 + k];
                product.m[column * 4 + row] = sum;
            }
        return product;
    }
};

inline Matrix translation(float x, float y, float z) {
    Matrix t;
    t.m[12] = x;
    t.m[13] = y;
    t.m[14] = z;
    return t;
}

// A turn of `degrees` about the axis (x, y, z), counter-clockwise looking down it.
inline Matrix rotation(float degrees, float x, float y, float z) {
    const float length = std::sqrt(x * x + y * y + z * z);
    x /= length;
    y /= length;
    z /= length;
    const float radians = degrees * 3.14159265358979f / 180;
    const float c = std::cos(radians), s = std::sin(radians), d = 1 - c;
    Matrix r;
    const float columns[3][3] = {{x * x * d + c, y * x * d + z * s, x * z * d - y * s},
                                 {x * y * d - z * s, y * y * d + c, y * z * d + x * s},
                                 {x * z * d + y * s, y * z * d - x * s, z * z * d + c}};
    for (int column = 0; column < 3; ++column)
        for (int row = 0; row < 3; ++row) r.m[column * 4 + row] = columns[column][row];
    return r;
}

inline Matrix orthographic(float left, float right, float bottom, float top, float near,
                           float far) {
    Matrix o;
    o.m[0] = 2 / (right - left);
    o.m[5] = 2 / (top - bottom);
    o.m[10] = -2 / (far - near);
    o.m[12] = -(right + left) / (right - left);
    o.m[13] = -(top + bottom) / (top - bottom);
    o.m[14] = -(far + near) / (far - near);
    return o;
}

inline Matrix frustum(float left, float right, float bottom, float top, float near, float far) {
    Matrix f;
    f.m[0] = 2 * near / (right - left);
    f.m[5] = 2 * near / (top - bottom);
    f.m[8] = (right + left) / (right - left);
    f.m[9] = (top + bottom) / (top - bottom);
    f.m[10] = -(far + near) / (far - near);
    f.m[11] = -1;
    f.m[14] = -2 * far * near / (far - near);
    f.m[15] = 0;
    return f;
}
