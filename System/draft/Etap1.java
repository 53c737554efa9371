/*
 * Level template of the generated game. The generator writes one class per level from
 * this file: "Etap1" and "etap1" become the level's name, and the marker lines are
 * replaced by the level's number, its size and its data, which the constructor assigns
 * to the fields of the engine, the class Stage. The project's events, the same for every
 * level, are in the class Events between the two. The run-time meaning of every name is
 * described in docs/game-runtime.md.
 */
public class Etap1 extends Events {

public Etap1(syrk m) {
    super(m);
    //level
    //level_size
    this.level = level;
    this.level_width = level_width;
    this.level_height = level_height;
    //level_data
}
}
