#include "Surface.h"

#include <algorithm>

Surface::Surface(int width, int height, uint32_t fill)
    : m_width(std::max(width, 0)),
      m_height(std::max(height, 0)),
      m_pixels(static_cast<size_t>(m_width) * static_cast<size_t>(m_height), fill) {}

void Surface::Fill(uint32_t colour) { std::fill(m_pixels.begin(), m_pixels.end(), colour); }
