#include "entities/vector3.hpp"

#include <cmath>

Vector3& Vector3::set(float x0, float y0, float z0)
{
    x = x0;
    y = y0;
    z = z0;
    return *this;
}

float Vector3::length() const
{
    return std::sqrt(x * x + y * y + z * z);
}

Vector3 Vector3::normalize()
{
    const float size = length();
    if (size == 0.0f) {
        return Vector3{};
    }
    x /= size;
    y /= size;
    z /= size;
    return *this;
}

Vector3 Vector3::subtract(const Vector3& other)
{
    x -= other.x;
    y -= other.y;
    z -= other.z;
    return *this;
}

Vector3 Vector3::scaled(float factor) const
{
    return Vector3{x * factor, y * factor, z * factor};
}
