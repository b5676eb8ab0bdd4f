// A boulder: three grey spheres half sunk into the ground, one mossy.
#declare Stone = color red 0.56 green 0.54 blue 0.5
#declare Moss = color red 0.42 green 0.47 blue 0.3
#declare size = <-2, 0, -2>, <2, 2.2, 2>
sphere { <0,0.6,0>,1.2 pigment { color Stone } }
sphere { <0.9,0.4,0.4>,0.8 pigment { color Stone } }
sphere { <-0.7,0.5,-0.5>,0.8 pigment { color Moss } }
