/*
 * Level template of the generated game. The generator writes one class per level from
 * this file: "Etap1" and "etap1" become the level's name and every line that holds only
 * a marker comment is replaced by the level's data. The level hands its data to the
 * engine, the class Stage; the project's events, the same for every level, are in the
 * class Events between the two. The run-time meaning of every name is described in
 * docs/game-runtime.md.
 */
public class Etap1 extends Events {

public Etap1(syrk m) {
    super(m);
    //level
    //quan_act
    //group_act
    //add_act
    //act_manager
    //act_obstacle
    //tileWidthob
    //tileHeightob
    //raspxob
    //raspyob
    //act_upr
    //act_type
    //act_go
    //act_stop
    //act_dead
    //act_uron
    //act_speed_tek
    //act_speed
    //grav_napr
    //act_tr_number
    //act_tr
    //act_t
    //act_xt
    //act_yt
    //quan_fon
    //fon_obstacle
    //add_fon
    //fon_tileWidth
    //fon_tileHeight
    //fon_X
    //fon_Y
    //fon_columns
    //fon_rows
    //fon_manager
    //group_fon
    //quan_line
    //add_line
    //line_ob
    //line_width
    //line_height
    //line_X
    //line_Y
    //line_manager
    //line_tek
    //line_visible
    //group_line
    //quan_text
    //text_X
    //text_Y
    //add_text
    //text_ob
    //text_p1
    //text_p2
    //text_p3
    //text_p4
    //text_p5
    //text_color
    //text_visible
    //text_W
    //text_H
    //group_text
    //tek_str
    //level_size
    actives(quan_act, group_act, add_act, act_manager, act_obstacle, tileWidthob, tileHeightob,
            raspxob, raspyob, act_upr, act_type, act_go, act_stop, act_dead, act_uron,
            act_speed_tek, act_speed, grav_napr, act_tr_number);
    trajectories(act_tr, act_t, act_xt, act_yt);
    backgrounds(quan_fon, fon_obstacle, add_fon, fon_tileWidth, fon_tileHeight, fon_X, fon_Y,
            fon_columns, fon_rows, fon_manager, group_fon);
    indicators(quan_line, add_line, line_ob, line_width, line_height, line_X, line_Y,
            line_manager, line_tek, line_visible, group_line);
    texts(quan_text, text_X, text_Y, add_text, text_ob, text_p1, text_p2, text_p3, text_p4,
            text_p5, text_color, text_visible, text_W, text_H, group_text, tek_str);
    level(level, level_width, level_height);
}
}
