#!/usr/bin/env python3
"""Makes the highlighted district pictures of the robbery map from the plain ones.

art/data/MyGOPSTOP/k.jpg.svg -> art/data/MyGOPSTOP/k_.jpg.svg for k = 1..4: the same quarter with a warm glow around its
edges, a golden frame and four sparks in the corners, which the district window shows while the mouse rests on that quarter. Edit the plain picture, then run
this and tools/render-data-art.sh.
"""
import os

FOLDER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "art", "data", "MyGOPSTOP")

GLOW = """    <radialGradient id="lit" cx="0.5" cy="0.5" r="0.72">
      <stop offset="0.55" stop-color="#F7D87A" stop-opacity="0"/>
      <stop offset="1" stop-color="#F7D87A" stop-opacity="0.75"/>
    </radialGradient>
  </defs>"""

FRAME = """  <!-- highlighted: the quarter lights up under the mouse -->
  <rect width="300" height="250" fill="url(#lit)"/>
  <rect x="4" y="4" width="292" height="242" rx="6" fill="none" stroke="#F4B83A" stroke-width="8"/>
  <rect x="1" y="1" width="298" height="248" rx="8" fill="none" stroke="#3A3845" stroke-width="2"/>
  <rect x="8.5" y="8.5" width="283" height="233" rx="4" fill="none" stroke="#E88B3A" stroke-width="1.5"/>
  <g fill="#FBF7EE" stroke="#E88B3A" stroke-width="1.2" stroke-linejoin="round">
    <path d="M22 14 l3 8 l8 3 l-8 3 l-3 8 l-3 -8 l-8 -3 l8 -3 z"/>
    <path d="M278 14 l3 8 l8 3 l-8 3 l-3 8 l-3 -8 l-8 -3 l8 -3 z"/>
    <path d="M22 214 l3 8 l8 3 l-8 3 l-3 8 l-3 -8 l-8 -3 l8 -3 z"/>
    <path d="M278 214 l3 8 l8 3 l-8 3 l-3 8 l-3 -8 l-8 -3 l8 -3 z"/>
  </g>
</svg>"""


def main():
    for district in range(1, 5):
        with open(os.path.join(FOLDER, f"{district}.jpg.svg"), encoding="utf-8") as source:
            picture = source.read()
        if picture.count("</defs>") != 1 or not picture.rstrip().endswith("</svg>"):
            raise SystemExit(f"{district}.jpg.svg: expected one <defs> block and a closing </svg>")
        picture = picture.replace("  </defs>", GLOW, 1)
        picture = picture.rstrip()[: -len("</svg>")] + FRAME + "\n"
        picture = picture.replace("<!-- District", "<!-- Highlighted district", 1)
        with open(os.path.join(FOLDER, f"{district}_.jpg.svg"), "w", encoding="utf-8") as target:
            target.write(picture)
        print(f"art/data/MyGOPSTOP/{district}_.jpg.svg")


if __name__ == "__main__":
    main()
