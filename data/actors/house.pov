// A small house: whitewashed walls, a red gable roof and a door.
// A box line ends in a third point; it only widens the bounding box.
#declare Wall = color red 0.88 green 0.84 blue 0.7
#declare Tiles = color red 0.62 green 0.16 blue 0.1
#declare Door = color red 0.32 green 0.2 blue 0.1
#declare size = <-2, 0, -2>, <2, 3.2, 2>
box { <-1.5,0,-1>, <1.5,1.8,1> pigment { color Wall } } <0,0,0>
box { <-0.3,0,0.98>, <0.3,1.1,1.04> pigment { color Door } } <0,0,0>
triangle { <-1.7,1.75,-1.2>, <1.7,1.75,-1.2>, <1.7,3,0> pigment { color Tiles } }
triangle { <-1.7,1.75,-1.2>, <1.7,3,0>, <-1.7,3,0> pigment { color Tiles } }
triangle { <-1.7,1.75,1.2>, <1.7,1.75,1.2>, <1.7,3,0> pigment { color Tiles } }
triangle { <-1.7,1.75,1.2>, <1.7,3,0>, <-1.7,3,0> pigment { color Tiles } }
triangle { <-1.5,1.8,-1>, <-1.5,1.8,1>, <-1.5,3,0> pigment { color Wall } }
triangle { <1.5,1.8,-1>, <1.5,1.8,1>, <1.5,3,0> pigment { color Wall } }
