// Positions and velocities of entities: three floats, z always 0 in play but carried everywhere.
#pragma once

class Vector3 {
public:
    Vector3() = default;
    Vector3(float x0, float y0, float z0) : x(x0), y(y0), z(z0) {}

    Vector3& set(float x0, float y0, float z0);
    float length() const;
    // A zero vector stays as it is and gives (0, 0, 0); otherwise the vector itself becomes unit length.
    Vector3 normalize();
    // Changes the vector itself and returns the result.
    Vector3 subtract(const Vector3& other);
    Vector3 scaled(float factor) const;

    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};
